#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "gui_test_util.h"
#include "ui/win32/dialog_registry.h"
#include "ui/win32/main_window.h"
#include "ui/win32/resources/resource.h"

namespace vellox::test {
namespace {

using win32::Win32MainView;

// The controls as they live in the real main window, shown on screen.
struct ControlsTest : ::testing::Test {
  ControlsTest() {
    initCommonControls();
    view.show();
  }
  Win32MainView view{GetModuleHandleW(nullptr)};
};

void clickAt(HWND hwnd, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
  SendMessageW(hwnd, WM_LBUTTONUP, 0, where);
}

// The shared contract covers the tab handler; only the real window has pages.
TEST_F(ControlsTest, ATabClickShowsItsPageAndHidesTheOthers) {
  RECT item{};
  HWND tab = view.SSTab1.hwnd();
  SendMessageW(tab, TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
  clickAt(tab, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  ASSERT_EQ(view.SSTab1.selected(), 2);
  for (int page = 0; page < kTabCount; ++page) EXPECT_EQ(IsWindowVisible(view.page(page)) != 0, page == 2) << page;
}

TEST_F(ControlsTest, TabShortcutsStepThroughTheTabsAndAltASelectsAbout) {
  std::vector<int> seen;
  view.SSTab1.onClick.bind([&] { seen.push_back(view.SSTab1.selected()); });
  SetFocus(view.txtFolderToWipe.hwnd());
  MSG alt{view.txtFolderToWipe.hwnd(), WM_SYSCHAR, 'a', 0x20000000, 0, {}};
  EXPECT_TRUE(win32::dispatchDialogMessage(alt));
  EXPECT_EQ(seen, (std::vector<int>{kTabAbout}));
  EXPECT_TRUE(view.SSTab1.hasFocus());  // not left on the hidden page
}

}  // namespace
}  // namespace vellox::test
