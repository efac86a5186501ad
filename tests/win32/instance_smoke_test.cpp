#include <gtest/gtest.h>
#include <windows.h>

// The Windows test runner itself starts under Wine and sees the test HOME.
TEST(WineRunner, RunsUnderWineWithItsOwnPrefix) {
  wchar_t buffer[MAX_PATH];
  ASSERT_GT(GetEnvironmentVariableW(L"VELLOX_TEST_ROOT", buffer, MAX_PATH), 0u);
  EXPECT_NE(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"), nullptr);
}
