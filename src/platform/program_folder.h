#pragma once
#include <string>

namespace vellox {

// The folder part of a full Windows path, without a trailing separator except
// at a drive root ("C:\"): "C:\Apps\vellox.exe" gives "C:\Apps". Both "\" and
// "/" separate. A path without a folder gives empty text.
std::string folderOfPath(const std::string& path);

}  // namespace vellox
