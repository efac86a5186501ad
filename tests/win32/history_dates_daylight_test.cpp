#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>
#include "platform/win32/win32_services.h"

namespace vellox::test {
namespace {

// CMake runs this suite alone with TZ=Europe/Berlin: UTC+1 in winter, UTC+2 in
// summer. Today's offset would put one of the two dates an hour off.
TEST(HistoryDatesDaylightZone, EachDateTakesTheOffsetInForceOnThatDate) {
  DYNAMIC_TIME_ZONE_INFORMATION zone{};
  ASSERT_NE(GetDynamicTimeZoneInformation(&zone), TIME_ZONE_ID_INVALID);
  ASSERT_EQ(zone.Bias, -60) << "run with TZ=Europe/Berlin";
  ASSERT_NE(zone.DaylightDate.wMonth, 0) << "the zone must have daylight saving time";

  auto service = win32::makeUrlHistory();
  const struct {
    SYSTEMTIME utc, local;
  } cases[] = {
      {{2024, 1, 1, 15, 12, 0, 0, 0}, {2024, 1, 1, 15, 13, 0, 0, 0}},     // winter
      {{2024, 7, 1, 15, 12, 0, 0, 0}, {2024, 7, 1, 15, 14, 0, 0, 0}},     // summer
      {{2023, 12, 0, 31, 23, 30, 0, 0}, {2024, 1, 1, 1, 0, 30, 0, 0}},    // the new year begins locally
  };
  for (const auto& c : cases) {
    FILETIME ft{};
    ASSERT_TRUE(SystemTimeToFileTime(&c.utc, &ft));
    double expected = 0;
    ASSERT_TRUE(SystemTimeToVariantTime(const_cast<SYSTEMTIME*>(&c.local), &expected));
    const std::uint64_t ticks = (std::uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    EXPECT_NEAR(service->fileTimeToDate(ticks), expected, 1e-7) << c.utc.wMonth << "/" << c.utc.wDay;
  }
}

}  // namespace
}  // namespace vellox::test
