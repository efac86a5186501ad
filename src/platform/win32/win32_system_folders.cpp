#include <windows.h>
#include <shlobj.h>
#include <knownfolders.h>
#include <iterator>
#include <memory>
#include <string>
#include "platform/win32/handle.h"
#include "platform/win32/known_folders.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"

namespace vellox::win32 {

namespace {

// "C:\a\" and "c:\A" name one folder.
bool samePath(std::wstring a, std::wstring b) {
  while (a.size() > 3 && a.back() == L'\\') a.pop_back();
  while (b.size() > 3 && b.back() == L'\\') b.pop_back();
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

bool isFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
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

  std::vector<SystemFolder> protectedFolders() override { return everyKnownFolder(); }

  // Windows 10 and later keep them in INetCookies, which the Cookies id may still not name.
  std::vector<std::string> cookieFolders() override {
    std::vector<std::string> folders;
    const std::string cookies = knownFolderPath(FOLDERID_Cookies);
    const std::string local = knownFolderPath(FOLDERID_LocalAppData);
    const std::string inetCookies = local.empty() ? "" : local + "\\Microsoft\\Windows\\INetCookies";
    if (!inetCookies.empty() && isFolder(inetCookies) && !samePath(widen(inetCookies), widen(cookies)))
      folders.push_back(inetCookies);
    if (!cookies.empty()) folders.push_back(cookies);
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
