#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include <vector>
#include "input.h"
#include "wait.h"

namespace vellox::e2e {

// The notification area of Wine's virtual desktop: the taskbar paints the icons
// itself, and each icon has a tooltip owned by the taskbar whose tool rectangle
// is the icon and whose text is the tip.
struct TrayIcon {
  std::wstring tip;
  RECT screenRect{};
};

std::vector<TrayIcon> trayIcons();
std::optional<TrayIcon> findTrayIcon(const std::wstring& tip, Millis timeout);
bool waitUntilTrayIconGone(const std::wstring& tip, Millis timeout);
bool clickTrayIcon(const TrayIcon& icon, MouseButton button = MouseButton::Left);

// The visible pop-up menu ("#32768") owned by processId, or nullptr.
HWND findPopupMenu(DWORD processId, Millis timeout);
// Menu functions refuse another process's HMENU, so an item is chosen the way a
// user would: by keyboard, counting down from the first item (the menu's
// thread must have the keyboard focus, as a menu of the foreground window has).
bool chooseMenuItemByKeys(size_t index);
// Or by a click on the item, for menus of count equal-height items.
bool chooseMenuItemByClick(HWND menu, size_t index, size_t count);

}  // namespace vellox::e2e
