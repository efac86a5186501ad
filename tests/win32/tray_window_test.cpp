#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
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

// Each mouse message the shell reports reaches onIconEvent; the press pops up the
// menu, which is answered from the keyboard by a watcher thread.
TEST(TrayWindow, CallbackMessagesPopTheMenuAndReturnTheChosenItem) {
  Win32TrayView tray(GetModuleHandleW(nullptr));
  ASSERT_TRUE(tray.addIcon(" Tarn Vellox"));
  const struct {
    UINT mouse;
    std::initializer_list<WPARAM> keys;
    TrayMenuItem expected;
  } cases[] = {
      {WM_LBUTTONDOWN, {VK_DOWN, VK_RETURN}, TrayMenuItem::Show},
      {WM_RBUTTONUP, {VK_DOWN, VK_DOWN, VK_RETURN}, TrayMenuItem::About},
      {WM_LBUTTONDOWN, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, TrayMenuItem::Exit},
      {WM_RBUTTONUP, {VK_ESCAPE}, TrayMenuItem::None},
  };
  for (const auto& c : cases) {
    std::vector<std::uint32_t> events;
    std::optional<TrayMenuItem> chosen;
    tray.onIconEvent = [&](std::uint32_t message) {
      events.push_back(message);
      chosen = tray.popupMenu();
    };
    const std::vector<WPARAM> keys(c.keys);
    WindowWatcher menu(L"#32768", L"", [&](HWND popup) { pressKeys(popup, keys); });
    PostMessageW(tray.hwnd(), WM_VELLOX_TRAYICON, VELLOX_TRAY_ICON_ID, c.mouse);
    ASSERT_TRUE(pumpUntil([&] { return chosen.has_value(); }, 10000));
    EXPECT_TRUE(menu.found());
    EXPECT_EQ(*chosen, c.expected);
    EXPECT_EQ(events, (std::vector<std::uint32_t>{c.mouse}));
  }
}

TEST(TrayWindow, TheMenuHasItsThreeItemsInOrder) {
  Win32TrayView tray(GetModuleHandleW(nullptr));
  std::vector<std::string> items;
  WindowWatcher menu(L"#32768", L"", [&](HWND popup) {
    HMENU shown = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(shown); ++i) {
      wchar_t text[64] = {};
      GetMenuStringW(shown, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
      items.push_back(win32::narrow(text));
    }
    pressKeys(popup, {VK_ESCAPE});
  });
  EXPECT_EQ(tray.popupMenu(), TrayMenuItem::None);
  EXPECT_TRUE(menu.found());
  EXPECT_EQ(items, (std::vector<std::string>{"Show Vellox", "About", "Exit"}));
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
