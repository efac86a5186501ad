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

// Presses Tab (Shift+Tab with `back`) on the focused control and lets the
// window's own message filter handle it, as the program's message loop does.
HWND pressTab(bool back) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = back ? 0x80 : 0;
  SetKeyboardState(keys);
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, VK_TAB, 0);
  PostMessageW(focus, WM_KEYUP, VK_TAB, 0xC0000000);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (win32::dispatchDialogMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  return GetFocus();
}

std::vector<int> tabRound(HWND start, bool back, std::size_t steps) {
  SetFocus(start);
  std::vector<int> ids;
  for (std::size_t i = 0; i < steps; ++i) ids.push_back(GetDlgCtrlID(pressTab(back)));
  return ids;
}

TEST(MainWindowKeys, TabGoesFromTheTabStripIntoThePageThenOkAndHelpAndBack) {
  initCommonControls();
  Win32MainView view(GetModuleHandleW(nullptr));
  view.show();
  ASSERT_TRUE(pumpUntil([&] { return GetActiveWindow() == view.hwnd(); }));
  const struct {
    int tab;
    std::vector<int> forward;  // from the tab strip, round to it again
  } cases[] = {
      {kTabSecureWipe,
       {IDC_TXTFOLDERTOWIPE, IDC_CMDBROWSEFORFOLDER, IDC_TXTFILETOWIPE, IDC_CMDBROWSEFORFILE, IDC_CHKSECUREFORALL,
        IDC_CHKEXPLORERVERB, IDC_OPTQUICK, IDC_LSTDRIVES, IDC_CMDWIPEFREESPACE, IDC_CMDWIPE, IDC_CMDOK, IDC_CMDHELP,
        IDC_SSTAB1}},
      {kTabHistory, {IDC_URLS, IDC_CMDCLEARHISTORY, IDC_CMDOK, IDC_CMDHELP, IDC_SSTAB1}},
      {kTabAbout, {IDC_CMDCHECKFORUPDATES, IDC_CMDOK, IDC_CMDHELP, IDC_SSTAB1}},
  };
  for (const auto& c : cases) {
    view.SSTab1.showTab(c.tab);
    EXPECT_EQ(tabRound(view.SSTab1.hwnd(), false, c.forward.size()), c.forward) << "tab " << c.tab;
    std::vector<int> backward(c.forward.rbegin() + 1, c.forward.rend());
    backward.push_back(IDC_SSTAB1);
    EXPECT_EQ(tabRound(view.SSTab1.hwnd(), true, backward.size()), backward) << "tab " << c.tab;
  }
}

TEST(MainWindowKeys, TabIntoAGroupOfOptionsLandsOnTheChosenOneAndKeepsTheChoice) {
  initCommonControls();
  Win32MainView view(GetModuleHandleW(nullptr));
  view.show();
  ASSERT_TRUE(pumpUntil([&] { return GetActiveWindow() == view.hwnd(); }));
  view.optDOD.setValue(true);
  SetFocus(GetDlgItem(view.page(kTabSecureWipe), IDC_CHKEXPLORERVERB));
  EXPECT_EQ(GetDlgCtrlID(pressTab(false)), IDC_OPTDOD);
  EXPECT_EQ(GetDlgCtrlID(pressTab(false)), IDC_LSTDRIVES);
  EXPECT_EQ(GetDlgCtrlID(pressTab(true)), IDC_OPTDOD);
  EXPECT_TRUE(view.optDOD.value());
  EXPECT_FALSE(view.optQuick.value());
}

}  // namespace
}  // namespace vellox::test
