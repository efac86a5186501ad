#include <windows.h>
#include <shlobj.h>
#include <knownfolders.h>
#include <iterator>
#include <memory>
#include <string>
#include "platform/win32/handle.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"

namespace vellox::win32 {

namespace {

struct KnownFolder {
  const KNOWNFOLDERID& id;
  SystemFolderKind kind;
  const char* name;
};

const KnownFolder kProtected[] = {
    {FOLDERID_Profile, SystemFolderKind::Profile, "user profile"},
    {FOLDERID_Desktop, SystemFolderKind::UserFolder, "Desktop"},
    {FOLDERID_Documents, SystemFolderKind::UserFolder, "Documents"},
    {FOLDERID_Downloads, SystemFolderKind::UserFolder, "Downloads"},
    {FOLDERID_Pictures, SystemFolderKind::UserFolder, "Pictures"},
    {FOLDERID_Music, SystemFolderKind::UserFolder, "Music"},
    {FOLDERID_Videos, SystemFolderKind::UserFolder, "Videos"},
    {FOLDERID_Windows, SystemFolderKind::Windows, "Windows"},
    {FOLDERID_ProgramFiles, SystemFolderKind::Programs, "Program Files"},
    {FOLDERID_ProgramFilesX86, SystemFolderKind::Programs, "Program Files (x86)"},
    {FOLDERID_ProgramFilesCommon, SystemFolderKind::Programs, "Common Files"},
    {FOLDERID_ProgramFilesCommonX86, SystemFolderKind::Programs, "Common Files (x86)"},
    {FOLDERID_ProgramData, SystemFolderKind::Programs, "ProgramData"},
};

struct CoTaskMemDeleter {
  void operator()(wchar_t* p) const { CoTaskMemFree(p); }
};

std::string knownFolderPath(const KNOWNFOLDERID& id) {
  wchar_t* raw = nullptr;
  const HRESULT result = SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &raw);
  std::unique_ptr<wchar_t, CoTaskMemDeleter> path(raw);  // freed even when the call fails
  return SUCCEEDED(result) && path ? narrow(path.get()) : std::string();
}

// "\\?\C:\a" becomes "C:\a" and "\\?\UNC\server\share" becomes "\\server\share".
std::wstring withoutLongPrefix(const std::wstring& path) {
  if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + path.substr(8);
  if (path.rfind(L"\\\\?\\", 0) == 0) return path.substr(4);
  return path;
}

bool finalPathOf(HANDLE folder, std::wstring& path) {
  const DWORD flags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
  const DWORD need = GetFinalPathNameByHandleW(folder, nullptr, 0, flags);
  if (need == 0) return false;
  std::wstring buffer(need, L'\0');
  const DWORD got = GetFinalPathNameByHandleW(folder, buffer.data(), need, flags);
  if (got == 0 || got >= need) return false;
  buffer.resize(got);
  path = withoutLongPrefix(buffer);
  return true;
}

FolderState stateOfFailedOpen(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY:
      return FolderState::Missing;
    default:
      return FolderState::Unreadable;
  }
}

class Win32SystemFolders : public SystemFolders {
 public:
  FolderLookup resolve(const std::string& path) override {
    // No access to the contents is asked for: the handle only names the folder.
    UniqueHandle folder(CreateFileW(widen(path).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!folder) return {stateOfFailedOpen(GetLastError()), {}};
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(folder.get(), &info)) return {FolderState::Unreadable, {}};
    if (!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return {FolderState::NotAFolder, {}};
    std::wstring finalPath;
    if (!finalPathOf(folder.get(), finalPath)) return {FolderState::Unreadable, {}};
    return {FolderState::Folder, narrow(finalPath)};
  }

  std::vector<SystemFolder> protectedFolders() override {
    std::vector<SystemFolder> folders;
    for (const auto& known : kProtected) {
      std::string path = knownFolderPath(known.id);
      if (!path.empty()) folders.push_back({known.kind, known.name, std::move(path)});
    }
    return folders;
  }

  // The file system's own ordinal, case-blind comparison, not a locale's.
  bool sameName(const std::string& a, const std::string& b) override {
    const std::wstring wa = widen(a), wb = widen(b);
    return CompareStringOrdinal(wa.c_str(), static_cast<int>(wa.size()), wb.c_str(), static_cast<int>(wb.size()),
                                TRUE) == CSTR_EQUAL;
  }

  AppDataFolders appDataFolders() override {
    return {knownFolderPath(FOLDERID_LocalAppData), knownFolderPath(FOLDERID_RoamingAppData)};
  }
};

}  // namespace

std::unique_ptr<SystemFolders> makeSystemFolders() { return std::make_unique<Win32SystemFolders>(); }

}  // namespace vellox::win32
