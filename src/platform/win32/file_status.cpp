#include "platform/win32/file_status.h"
#include <winternl.h>
#include <string>
#include "platform/win32/std_error.h"

namespace vellox::win32 {

namespace {

std::string describe(DWORD error) {
  std::string text = systemErrorText(error);
  text.erase(text.find_last_not_of("\r\n ") + 1);
  return text.empty() ? "Error " + std::to_string(error) + "." : text;
}

}  // namespace

FileStatus statusOf(DWORD error) {
  FileErrc code = FileErrc::Other;
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) code = FileErrc::NotFound;
  if (error == ERROR_ACCESS_DENIED) code = FileErrc::AccessDenied;
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) code = FileErrc::InUse;
  return {code, static_cast<long>(error), describe(error)};
}

FileStatus lastStatus() { return statusOf(GetLastError()); }

FileStatus ntStatusOf(LONG status) { return statusOf(RtlNtStatusToDosError(status)); }

}  // namespace vellox::win32
