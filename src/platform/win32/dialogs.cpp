#include "platform/win32/dialogs.h"

namespace vellox::win32 {

std::optional<std::string> showOpenFileDialog(HWND, const std::string&, const std::string&) { return std::nullopt; }
std::string browseForFolder(const std::string&, HWND, const std::string&) { return ""; }

}  // namespace vellox::win32
