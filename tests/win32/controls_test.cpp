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

TEST_F(ControlsTest, CheckBoxRunsItsHandlerOnEveryChangeByProgramOrClick) {
  auto& box = view.chkautostart;
  std::vector<int> seen;
  box.onClick.bind([&] { seen.push_back(box.value()); });
  box.setValue(1);
  box.setValue(1);  // no change, no handler
  box.setValue(2);
  EXPECT_EQ(SendMessageW(box.hwnd(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  SendMessageW(box.hwnd(), BM_CLICK, 0, 0);  // a click on the grey state checks it
  SendMessageW(box.hwnd(), BM_CLICK, 0, 0);
  box.setValue(0);  // already 0
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 1, 0}));
  EXPECT_EQ(SendMessageW(box.hwnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ControlsTest, OptionButtonsOfOneGroupExcludeEachOther) {
  view.optDOD.setValue(true);
  EXPECT_TRUE(view.optDOD.value());
  EXPECT_FALSE(view.optQuick.value());
  SendMessageW(view.optQuick.hwnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(view.optQuick.value());
  EXPECT_FALSE(view.optDOD.value());
}

TEST_F(ControlsTest, ButtonsAndTheLinkLabelFireOnClickAndDisabledButtonsDoNot) {
  int wipes = 0, links = 0;
  view.cmdWipe.onClick.bind([&] { ++wipes; });
  view.lblurl.onClick.bind([&] { ++links; });
  view.SSTab1.showTab(4);
  SendMessageW(view.cmdWipe.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(wipes, 1);
  view.cmdWipe.setEnabled(false);
  EXPECT_FALSE(view.cmdWipe.enabled());
  SendMessageW(view.cmdWipe.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(wipes, 1);
  clickAt(view.lblurl.hwnd(), {2, 2});
  EXPECT_EQ(links, 1);
  EXPECT_EQ(view.cmdWipe.caption(), "&Wipe");
}

TEST_F(ControlsTest, TabControlRunsItsHandlerOnAClickAndOnProgramSelection) {
  std::vector<int> seen;
  view.SSTab1.onClick.bind([&] { seen.push_back(view.SSTab1.selected()); });
  view.SSTab1.select(1);
  view.SSTab1.select(1);  // same tab: no change
  RECT item{};
  HWND tab = view.SSTab1.hwnd();
  SendMessageW(tab, TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
  clickAt(tab, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  EXPECT_EQ(seen, (std::vector<int>{1, 2}));
  EXPECT_TRUE(IsWindowVisible(view.page(2)));
  EXPECT_FALSE(IsWindowVisible(view.page(1)));
  EXPECT_FALSE(IsWindowVisible(view.page(4)));
}

TEST_F(ControlsTest, TabShortcutsStepThroughTheTabsAndAltASelectsAbout) {
  std::vector<int> seen;
  view.SSTab1.onClick.bind([&] { seen.push_back(view.SSTab1.selected()); });
  SetFocus(view.txtFolderToWipe.hwnd());
  MSG alt{view.txtFolderToWipe.hwnd(), WM_SYSCHAR, 'a', 0x20000000, 0, {}};
  EXPECT_TRUE(win32::dispatchDialogMessage(alt));
  EXPECT_EQ(seen, (std::vector<int>{5}));
  EXPECT_TRUE(view.SSTab1.hasFocus());  // not left on the hidden page
}

TEST_F(ControlsTest, TextBoxKeepsUnicodeText) {
  const std::string path = "C:\\\xE4\xB8\xAD\xE6\x96\x87\\\xCE\xB1.txt";
  view.txtFileToWipe.setText(path);
  EXPECT_EQ(view.txtFileToWipe.text(), path);
  view.txtFileToWipe.setFocus();
  EXPECT_TRUE(view.txtFileToWipe.hasFocus());
}

}  // namespace
}  // namespace vellox::test
