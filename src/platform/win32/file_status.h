#pragma once
#include <windows.h>
#include "platform/files.h"

namespace vellox::win32 {

// A system error as the file service reports it: its class, its number and the system's text.
FileStatus statusOf(DWORD error);
FileStatus lastStatus();
// An NTSTATUS, by the Win32 error it stands for.
FileStatus ntStatusOf(LONG status);

}  // namespace vellox::win32
