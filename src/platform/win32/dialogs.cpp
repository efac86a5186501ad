#include "platform/win32/dialogs.h"
#include <commdlg.h>
#include <shlobj.h>
#include <algorithm>
#include <memory>
#include "platform/win32/com_scope.h"
#include "platform/win32/text.h"

namespace vellox::win32 {

std::string initialFolder;

namespace {

// Room for the longest path Windows can name.
constexpr DWORD kLongPathChars = 32768;

// "Name|pattern|Name|pattern" becomes the NUL-separated list ended by two NULs.
std::wstring filterList(const std::string& filter) {
  std::wstring list = widen(filter);
  std::replace(list.begin(), list.end(), L'|', L'\0');
  list.append(2, L'\0');
  return list;
}

struct IdListFree {
  void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using UniqueIdList = std::unique_ptr<ITEMIDLIST, IdListFree>;

std::string pathOf(const ITEMIDLIST* list) {
  std::wstring buffer(kLongPathChars, L'\0');
  if (!SHGetPathFromIDListEx(list, buffer.data(), kLongPathChars, GPFIDL_DEFAULT)) {
    // Older shells know only the MAX_PATH form.
    buffer.assign(MAX_PATH, L'\0');
    if (!SHGetPathFromIDListW(list, buffer.data())) return "";
  }
  return narrow(buffer.c_str());
}

}  // namespace

std::optional<std::string> showOpenFileDialog(HWND owner, const std::string& filter,
                                              const std::string& initialName) {
  const std::wstring filters = filterList(filter);
  std::wstring name(kLongPathChars, L'\0');
  const std::wstring initial = widen(initialName);
  std::copy_n(initial.begin(), std::min<std::size_t>(initial.size(), kLongPathChars - 1), name.begin());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = kLongPathChars;
  // The picked name is the file itself, a shortcut included; the current folder stays ours.
  dialog.Flags = OFN_EXPLORER | OFN_NODEREFERENCELINKS | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  return narrow(name.c_str());
}

int CALLBACK browseCallback(HWND window, UINT message, LPARAM, LPARAM) {
  if (message != BFFM_INITIALIZED || initialFolder.empty()) return 0;
  try {
    const std::wstring folder = widen(initialFolder);
    SendMessageW(window, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
  } catch (...) {
    // Nothing may leave a callback of the shell; the picker then opens unselected.
  }
  return 0;
}

std::string browseForFolder(const std::string& initial, HWND owner, const std::string& title) {
  initialFolder = initial;
  ComScope com;  // the picker needs COM on this thread
  const std::wstring wideTitle = widen(title);
  wchar_t displayName[MAX_PATH] = {};
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;
  info.pszDisplayName = displayName;
  info.lpszTitle = title.empty() ? nullptr : wideTitle.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = browseCallback;
  info.lParam = 0;
  UniqueIdList list(SHBrowseForFolderW(&info));
  if (!list) return "";
  return pathOf(list.get());
}

}  // namespace vellox::win32
