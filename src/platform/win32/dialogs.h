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

}  // namespace vellox::win32
