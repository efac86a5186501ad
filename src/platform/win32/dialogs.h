#pragma once
#include <optional>
#include <string>
#include <windows.h>

namespace vellox::win32 {

// The file-open dialog: `filter` in the "Name|pattern" form, `initialName`
// shown as the file name. The chosen full path, or nothing when cancelled.
std::optional<std::string> showOpenFileDialog(HWND owner, const std::string& filter,
                                              const std::string& initialName);

// The shell's folder picker, opening with `initialFolder` selected and confirming
// file-system folders only. The chosen path, or empty text.
std::string browseForFolder(const std::string& initialFolder, HWND owner, const std::string& title);

// The folder the picker selects when it opens; set by every browseForFolder.
extern std::string initialFolder;
// The picker's callback: selects initialFolder once the picker is up. Always 0.
int CALLBACK browseCallback(HWND window, UINT message, LPARAM value, LPARAM data);

}  // namespace vellox::win32
