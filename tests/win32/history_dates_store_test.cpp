#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>
#include "app/main_window.h"
#include "fakes/test_env.h"
#include "history/history_store.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"

namespace vellox::test {
namespace {

std::string dateOf(const SYSTEMTIME& t) {
  wchar_t text[128];
  int n = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, text, 128, nullptr);
  return win32::narrow(std::wstring(text, n > 0 ? n - 1 : 0));
}

std::string timeOf(const SYSTEMTIME& t) {
  wchar_t text[128];
  int n = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &t, nullptr, text, 128);
  return win32::narrow(std::wstring(text, n > 0 ? n - 1 : 0));
}

TEST(HistoryDates, UtcTicksBecomeTheLocalDateValueAndZeroWhenTheyCannot) {
  auto service = win32::makeUrlHistory();
  // 1 March 2024 12:30:15 UTC.
  SYSTEMTIME utc{2024, 3, 5, 1, 12, 30, 15, 0};
  FILETIME ft, local;
  ASSERT_TRUE(SystemTimeToFileTime(&utc, &ft));
  ASSERT_TRUE(FileTimeToLocalFileTime(&ft, &local));
  SYSTEMTIME localTime;
  ASSERT_TRUE(FileTimeToSystemTime(&local, &localTime));
  double expected = 0;
  ASSERT_TRUE(SystemTimeToVariantTime(&localTime, &expected));
  const std::uint64_t ticks = (std::uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  EXPECT_DOUBLE_EQ(service->fileTimeToDate(ticks), expected);
  EXPECT_NEAR(service->fileTimeToDate(ticks), 45352.52, 1.0);
  // Beyond what the calendar conversion takes.
  EXPECT_EQ(service->fileTimeToDate(0xFFFFFFFFFFFFFFFFull), 0.0);
}

TEST(HistoryDates, TextIsDateAndTimeDateAloneAtMidnightTimeAloneOnTheZeroDate) {
  auto service = win32::makeUrlHistory();
  SYSTEMTIME full{2024, 3, 5, 1, 12, 30, 15, 0};
  SYSTEMTIME midnight{2024, 3, 5, 1, 0, 0, 0, 0};
  SYSTEMTIME zeroDay{1899, 12, 6, 30, 6, 0, 0, 0};
  SYSTEMTIME zeroMidnight{1899, 12, 6, 30, 0, 0, 0, 0};
  double value;
  ASSERT_TRUE(SystemTimeToVariantTime(&full, &value));
  EXPECT_EQ(service->dateText(value), dateOf(full) + " " + timeOf(full));
  ASSERT_TRUE(SystemTimeToVariantTime(&midnight, &value));
  EXPECT_EQ(service->dateText(value), dateOf(midnight));
  EXPECT_EQ(service->dateText(0.25), timeOf(zeroDay));
  EXPECT_EQ(service->dateText(0.0), timeOf(zeroMidnight));
  EXPECT_FALSE(timeOf(zeroMidnight).empty());
}

// Wine's own store answers E_NOTIMPL to every call: the tab says so once and the
// program goes on.
TEST(HistoryWineStore, NotImplementedShowsOneMessagePerActionAndNothingBreaks) {
  auto real = win32::makeUrlHistory();
  TestEnv env;
  Services services{env.ui,    env.views,    env.settings, env.registry, env.shell,
                    env.files, env.urlCache, *real,        env.download, env.instance, env.systemFolders};
  createHistoryStore(env.state.historyStore, services);
  frmmain form(services, env.state, [] {});
  form.SSTab1.select(kTabHistory);
  EXPECT_EQ(form.URLs.count(), 0u);
  ASSERT_EQ(env.ui.messages.size(), 1u);
  EXPECT_NE(env.ui.messages[0].text.find("could not be read"), std::string::npos);

  form.cmdClearHistory.click();
  ASSERT_EQ(env.ui.messages.size(), 2u);
  EXPECT_NE(env.ui.messages[1].text.find("could not be cleared"), std::string::npos);
  EXPECT_EQ(form.sbar.text(), "");
  EXPECT_EQ(form.pointer.get(), 0);
}

}  // namespace
}  // namespace vellox::test
