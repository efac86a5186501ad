#pragma once
#include <cstdint>
#include <string>
#include "platform/files.h"
#include "platform/system_folders.h"

namespace vellox {

inline constexpr const char* kCleanLogLinkText = "Open the log of automatic cleaning";

// Past this size the log starts afresh; the one before is kept as clean.log.1.
inline constexpr std::uint64_t kCleanLogLimit = 1024 * 1024;

// %LOCALAPPDATA%\Tarn Vellox\clean.log; empty when the user has no local app-data folder.
std::string cleanLogPath(SystemFolders& system, Files& files);

// Appends `line` (UTF-8) and a line break, making the log's folder when it is missing.
// A log that the line would take past the limit is first renamed to clean.log.1; while
// that cannot be done, the line goes to the end of the log as it is.
FileStatus appendCleanLog(Files& files, const std::string& path, const std::string& line);

}  // namespace vellox
