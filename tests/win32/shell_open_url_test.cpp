#include <gtest/gtest.h>
#include "platform/win32/win32_services.h"

namespace vellox::test {
namespace {

// Only the failure is driven here: a success would start a real browser.
TEST(ShellOnWindows, OpeningSomethingThatDoesNotExistReportsFailure) {
  auto shell = win32::makeShell();
  EXPECT_FALSE(shell->openUrl("C:\\tarn-vellox-absent\\nothing-here.htm"));
}

}  // namespace
}  // namespace vellox::test
