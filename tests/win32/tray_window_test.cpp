#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <atomic>
#include <cstdlib>
#include <optional>
#include <vector>
#include "gui_test_util.h"
#include "ui/win32/resources/resource.h"
#include "ui/win32/tray_window.h"

namespace vellox::test {
namespace {

using win32::Win32TrayView;

bool iconExists(HWND owner) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  data.uID = VELLOX_TRAY_ICON_ID;
  data.uFlags = NIF_TIP;
  lstrcpyW(data.szTip, L" Tarn Vellox");
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;  // only an existing icon can be modified
}

TEST(TrayWindow, AddsAndRemovesTheIcon) {
  Win32TrayView tray(GetModuleHandleW(nullptr));
  ASSERT_NE(tray.hwnd(), nullptr);
  EXPECT_FALSE(IsWindowVisible(tray.hwnd()));
  ASSERT_TRUE(tray.addIcon(" Tarn Vellox"));
  EXPECT_TRUE(iconExists(tray.hwnd()));
  tray.removeIcon();
  EXPECT_FALSE(iconExists(tray.hwnd()));
}

TEST(TrayWindow, TheIconComesBackWhenTheTaskbarIsRecreated) {
  Win32TrayView tray(GetModuleHandleW(nullptr));
  ASSERT_TRUE(tray.addIcon(" Tarn Vellox"));
  // What a restarting shell does: its icons are gone, then it announces itself.
  NOTIFYICONDATAW gone{};
  gone.cbSize = sizeof(gone);
  gone.hWnd = tray.hwnd();
  gone.uID = VELLOX_TRAY_ICON_ID;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
  EXPECT_FALSE(iconExists(tray.hwnd()));
  SendMessageW(tray.hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(iconExists(tray.hwnd()));
  tray.removeIcon();
  SendMessageW(tray.hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_FALSE(iconExists(tray.hwnd()));  // a removed icon stays removed
}

// At logon the shell may refuse the icon: the form then retries on the view's
// timer and when the taskbar announces itself.
TEST(TrayWindow, TheRetryTimerTicksUntilStoppedAndANewTaskbarIsReportedWhileNoIconIsIn) {
  Win32TrayView tray(GetModuleHandleW(nullptr));
  int ticks = 0, taskbars = 0;
  tray.onRetryTimer.bind([&] { ++ticks; });
  tray.onTaskbarCreated.bind([&] { ++taskbars; });
  tray.startRetryTimer(std::chrono::milliseconds(10));
  ASSERT_TRUE(pumpUntil([&] { return ticks >= 2; }));
  tray.stopRetryTimer();
  const int stopped = ticks;
  EXPECT_FALSE(pumpUntil([&] { return ticks > stopped; }, 200));

  const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  SendMessageW(tray.hwnd(), taskbarCreated, 0, 0);
  EXPECT_EQ(taskbars, 1);
  ASSERT_TRUE(tray.addIcon(" Tarn Vellox"));
  SendMessageW(tray.hwnd(), taskbarCreated, 0, 0);  // the view puts its own icon back
  EXPECT_EQ(taskbars, 1);
  tray.removeIcon();
}

// Each mouse message the shell reports reaches onIconEvent; the press pops up the
// menu, which is answered from the keyboard by a watcher thread.
TEST(TrayWindow, CallbackMessagesPopTheMenuAndReturnTheChosenItem) {
  Win32TrayView tray(GetModuleHandleW(nullptr));
  ASSERT_TRUE(tray.addIcon(" Tarn Vellox"));
  const struct {
    UINT mouse;
    int item;  // -1: Esc closes the menu
    TrayMenuItem expected;
  } cases[] = {
      {WM_LBUTTONDOWN, 0, TrayMenuItem::Show},
      {WM_RBUTTONUP, 1, TrayMenuItem::About},
      {WM_LBUTTONDOWN, 2, TrayMenuItem::Exit},
      {WM_RBUTTONUP, -1, TrayMenuItem::None},
  };
  for (const auto& c : cases) {
    std::vector<std::uint32_t> events;
    std::optional<TrayMenuItem> chosen;
    tray.onIconEvent = [&](std::uint32_t message) {
      events.push_back(message);
      chosen = tray.popupMenu();
    };
    std::atomic<bool> picked{false};
    WindowWatcher menu(L"#32768", L"", [&](HWND popup) {
      if (c.item < 0)
        pressKeys(popup, {VK_ESCAPE});
      else
        picked = chooseMenuItem(popup, c.item);
    });
    PostMessageW(tray.hwnd(), WM_VELLOX_TRAYICON, VELLOX_TRAY_ICON_ID, c.mouse);
    ASSERT_TRUE(pumpUntil([&] { return chosen.has_value(); }, 10000));
    EXPECT_TRUE(menu.found());
    EXPECT_EQ(picked, c.item >= 0);
    EXPECT_EQ(*chosen, c.expected);
    EXPECT_EQ(events, (std::vector<std::uint32_t>{c.mouse}));
    // The next case must find its own menu, not this one on its way out.
    ASSERT_TRUE(pumpUntil([] { return !WindowWatcher::findOwn(L"#32768", L""); }));
  }
}

TEST(TrayWindow, TheMenuHasItsThreeItemsInOrderAndLeavesThePointerFree) {
  Win32TrayView tray(GetModuleHandleW(nullptr));
  const int height = GetSystemMetrics(SM_CYSCREEN);
  for (POINT pointer : {POINT{600, height - 20}, POINT{600, 20}}) {
    // Wine may undo a warp when the X server reports the pointer late: insist until it stays.
    ASSERT_TRUE(pumpUntil([&] {
      POINT now{};
      GetCursorPos(&now);
      if (now.x == pointer.x && now.y == pointer.y) return true;
      SetCursorPos(pointer.x, pointer.y);
      return false;
    }));
    std::vector<std::string> items;
    RECT shownAt{};
    WindowWatcher menu(L"#32768", L"", [&](HWND popup) {
      GetWindowRect(popup, &shownAt);
      HMENU shown = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
      for (int i = 0; i < GetMenuItemCount(shown); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(shown, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        items.push_back(win32::narrow(text));
      }
      pressKeys(popup, {VK_ESCAPE});
    });
    EXPECT_EQ(tray.popupMenu(), TrayMenuItem::None);
    ASSERT_TRUE(menu.found());
    EXPECT_EQ(items, (std::vector<std::string>{"Show Vellox", "About", "Exit"}));
    EXPECT_FALSE(PtInRect(&shownAt, pointer)) << pointer.y;
    EXPECT_LT(std::abs(pointer.y - (pointer.y > height / 2 ? shownAt.bottom : shownAt.top)), 40);
  }
}

TEST(TrayWindow, OtherMouseMessagesStillReachTheHandler) {
  Win32TrayView tray(GetModuleHandleW(nullptr));
  std::vector<std::uint32_t> events;
  tray.onIconEvent = [&](std::uint32_t message) { events.push_back(message); };
  for (UINT m : {WM_MOUSEMOVE, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    SendMessageW(tray.hwnd(), WM_VELLOX_TRAYICON, VELLOX_TRAY_ICON_ID, m);
  EXPECT_EQ(events, (std::vector<std::uint32_t>{WM_MOUSEMOVE, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
}

}  // namespace
}  // namespace vellox::test
