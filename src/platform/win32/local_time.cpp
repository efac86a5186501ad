#include "platform/win32/local_time.h"

namespace vellox::win32 {

namespace {

using ToLocalEx = BOOL(WINAPI*)(const DYNAMIC_TIME_ZONE_INFORMATION*, const SYSTEMTIME*, SYSTEMTIME*);

// Windows 7 and later export it from kernel32; the headers declare it only from
// Windows 8 on. Wine 8 exports it from kernelbase alone, as a stub that aborts
// the process: only kernel32's is taken.
ToLocalEx findToLocalEx() {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  FARPROC found = kernel ? GetProcAddress(kernel, "SystemTimeToTzSpecificLocalTimeEx") : nullptr;
  return reinterpret_cast<ToLocalEx>(reinterpret_cast<void*>(found));
}

}  // namespace

bool utcToLocal(const SYSTEMTIME& utc, SYSTEMTIME& local) {
  static const ToLocalEx toLocalEx = findToLocalEx();
  // Read each time: the user may change the zone while the program runs.
  DYNAMIC_TIME_ZONE_INFORMATION zone{};
  if (toLocalEx && GetDynamicTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID)
    return toLocalEx(&zone, &utc, &local) != FALSE;
  // The current zone's rules for that date, without the year-by-year changes.
  return SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) != FALSE;
}

}  // namespace vellox::win32
