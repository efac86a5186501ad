#pragma once
#include <windows.h>

namespace vellox::win32 {

// A UTC time as the local time of that same date: the offset in force on that
// day (standard or daylight saving, under that year's rules), not today's.
bool utcToLocal(const SYSTEMTIME& utc, SYSTEMTIME& local);

}  // namespace vellox::win32
