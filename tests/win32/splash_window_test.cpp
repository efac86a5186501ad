#include <gtest/gtest.h>
#include "gui_test_util.h"
#include "ui/win32/resources/resource.h"
#include "ui/win32/splash_window.h"

namespace vellox::test {
namespace {

using win32::Win32SplashView;

TEST(SplashWindow, ShowsItsLabelsAndFiresActivationOnceAfterShow) {
  initCommonControls();
  Win32SplashView splash(GetModuleHandleW(nullptr));
  int activations = 0;
  splash.onActivate.bind([&] { ++activations; });
  splash.setVersion("Version 1.0");
  splash.setGeneral("Tarn Vellox Software, Inc.");
  EXPECT_EQ(textOf(GetDlgItem(splash.hwnd(), IDC_LBLVERSION)), "Version 1.0");
  EXPECT_EQ(splash.general(), "Tarn Vellox Software, Inc.");
  EXPECT_FALSE(IsWindowVisible(splash.hwnd()));

  // Activation before show (the window is hidden) starts nothing.
  SendMessageW(splash.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  drainMessages();
  EXPECT_EQ(activations, 0);

  splash.show();
  EXPECT_TRUE(IsWindowVisible(splash.hwnd()));
  EXPECT_EQ(activations, 0);  // from the message loop, not inside show()
  ASSERT_TRUE(pumpUntil([&] { return activations > 0; }));
  SendMessageW(splash.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  drainMessages();  // the activation would have posted its message by now
  EXPECT_EQ(activations, 1);

  splash.setAction("Loading preferences...");
  EXPECT_EQ(splash.action(), "Loading preferences...");
  EXPECT_EQ(textOf(splash.hwnd()), " Tarn Vellox");
  EXPECT_EQ(GetWindowLongW(splash.hwnd(), GWL_STYLE) & WS_CAPTION, WS_BORDER);  // a border, no title bar
}

}  // namespace
}  // namespace vellox::test
