#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include "platform/free_space.h"

namespace vellox::win32 {

// The queries behind the drive list, one volume at a time. `root` is "D:\".
DriveLookup lookUpRoot(const std::wstring& root);
DriveNature driveNature(const std::wstring& root);
std::optional<std::uint64_t> freeBytesOf(const std::wstring& root);
// "D:\" for a drive name "D", "d:", "D:\" or "D:/"; empty for anything else.
std::wstring rootOfName(const std::string& name);

FileStatus statusOfError(DWORD error);

}  // namespace vellox::win32
