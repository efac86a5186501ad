#include "platform/win32/known_folders.h"
#include <knownfolders.h>
#include <wrl/client.h>
#include <algorithm>
#include <memory>
#include "platform/win32/com_scope.h"
#include "platform/win32/text.h"

namespace vellox::win32 {

namespace {

struct NamedFolder {
  const KNOWNFOLDERID& id;
  SystemFolderKind kind;
  const char* name;
};

// The folders the program's messages name as the user knows them.
const NamedFolder kNamed[] = {
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
  void operator()(void* p) const { CoTaskMemFree(p); }
};

// The fields of a definition, freed with it.
class Definition {
 public:
  explicit Definition(IKnownFolder& folder) : ok_(SUCCEEDED(folder.GetFolderDefinition(&definition_))) {}
  ~Definition() {
    if (ok_) FreeKnownFolderDefinitionFields(&definition_);
  }
  Definition(const Definition&) = delete;
  Definition& operator=(const Definition&) = delete;
  bool virtualFolder() const { return ok_ && definition_.category == KF_CATEGORY_VIRTUAL; }
  std::string name() const { return ok_ && definition_.pszName ? narrow(definition_.pszName) : std::string(); }

 private:
  KNOWNFOLDER_DEFINITION definition_{};
  bool ok_;
};

const NamedFolder* namedOf(const KNOWNFOLDERID& id) {
  for (const auto& named : kNamed)
    if (IsEqualGUID(named.id, id)) return &named;
  return nullptr;
}

std::vector<SystemFolder> namedFolders() {
  std::vector<SystemFolder> folders;
  for (const auto& named : kNamed)
    if (std::string path = knownFolderPath(named.id); !path.empty()) folders.push_back({named.kind, named.name, path});
  return folders;
}

}  // namespace

std::string knownFolderPath(const KNOWNFOLDERID& id) {
  wchar_t* raw = nullptr;
  const HRESULT result = SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &raw);
  std::unique_ptr<wchar_t, CoTaskMemDeleter> path(raw);  // freed even when the call fails
  return SUCCEEDED(result) && path ? narrow(path.get()) : std::string();
}

std::vector<SystemFolder> everyKnownFolder() {
  // A thread that chose the other apartment model keeps it; COM works there all the same.
  ComScope com;
  Microsoft::WRL::ComPtr<IKnownFolderManager> manager;
  KNOWNFOLDERID* rawIds = nullptr;
  UINT count = 0;
  if (FAILED(CoCreateInstance(CLSID_KnownFolderManager, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&manager))) ||
      FAILED(manager->GetFolderIds(&rawIds, &count)))
    return namedFolders();
  const std::unique_ptr<KNOWNFOLDERID, CoTaskMemDeleter> ids(rawIds);
  // The folders the program names come first: a message names the first folder that matches.
  std::vector<SystemFolder> folders = namedFolders();
  for (UINT i = 0; i < count; ++i) {
    // Wine lists some ids twice.
    if (namedOf(ids.get()[i]) ||
        std::find_if(ids.get(), ids.get() + i, [&](const KNOWNFOLDERID& id) { return IsEqualGUID(id, ids.get()[i]); }) !=
        ids.get() + i)
      continue;
    Microsoft::WRL::ComPtr<IKnownFolder> folder;
    if (FAILED(manager->GetFolder(ids.get()[i], &folder))) continue;
    const Definition definition(*folder.Get());
    if (definition.virtualFolder()) continue;
    if (std::string path = knownFolderPath(ids.get()[i]); !path.empty())
      folders.push_back({SystemFolderKind::Known, definition.name(), path});
  }
  return folders;
}

}  // namespace vellox::win32
