#include "platform/win32/local_time.h"

namespace vellox::win32 {

namespace {

using ToLocalEx = BOOL(WINAPI*)(const DYNAMIC_TIME_ZONE_INFORMATION*, const SYSTEMTIME*, SYSTEMTIME*);

// Windows 7 has it in kernel32; Wine only in kernelbase; the headers declare it
// from Windows 8 on. Looked up, so the program starts wherever it is missing.
ToLocalEx findToLocalEx() {
  for (const wchar_t* module : {L"kernel32.dll", L"kernelbase.dll"}) {
    HMODULE loaded = GetModuleHandleW(module);
    if (!loaded) continue;
    if (FARPROC found = GetProcAddress(loaded, "SystemTimeToTzSpecificLocalTimeEx"))
      return reinterpret_cast<ToLocalEx>(reinterpret_cast<void*>(found));
  }
  return nullptr;
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
