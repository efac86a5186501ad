#include "tray.h"
#include <commctrl.h>
#include "remote_memory.h"
#include "window_find.h"

namespace vellox::e2e {
namespace {

constexpr size_t kTipChars = 256;

// Every tool of one tooltip window, read through memory of the taskbar's process.
void readTools(HWND tooltip, std::vector<TrayIcon>& icons) {
  const LRESULT count = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
  RemoteBuffer remote(tooltip, sizeof(TTTOOLINFOW) + kTipChars * sizeof(wchar_t));
  if (!remote) return;
  for (LRESULT i = 0; i < count; ++i) {
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.lpszText = static_cast<wchar_t*>(remote.at(sizeof(info)));
    const wchar_t empty = L'\0';
    if (!remote.write(0, &info, sizeof(info)) || !remote.write(sizeof(info), &empty, sizeof(empty)) ||
        !SendMessageW(tooltip, TTM_ENUMTOOLSW, i, remote.param()) || !remote.read(0, &info, sizeof(info))) {
      continue;
    }
    std::wstring tip(kTipChars, L'\0');
    if (!remote.read(sizeof(info), tip.data(), tip.size() * sizeof(wchar_t))) continue;
    tip.resize(wcsnlen(tip.c_str(), tip.size()));
    // The taskbar keeps the tool of a removed icon, with an empty rectangle.
    if (IsRectEmpty(&info.rect)) continue;
    RECT rect = info.rect;
    MapWindowPoints(info.hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    icons.push_back({std::move(tip), rect});
  }
}

}  // namespace

std::vector<TrayIcon> trayIcons() {
  std::vector<TrayIcon> icons;
  const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (taskbar == nullptr) return icons;
  for (HWND tooltip : topLevelWindows({L"", TOOLTIPS_CLASSW, windowProcess(taskbar), false})) {
    if (GetWindow(tooltip, GW_OWNER) == taskbar) readTools(tooltip, icons);
  }
  return icons;
}

std::optional<TrayIcon> findTrayIcon(const std::wstring& tip, Millis timeout) {
  return waitFor(
      [&]() -> std::optional<TrayIcon> {
        for (auto& icon : trayIcons()) {
          if (icon.tip == tip) return icon;
        }
        return std::nullopt;
      },
      timeout);
}

bool waitUntilTrayIconGone(const std::wstring& tip, Millis timeout) {
  return waitUntil([&] { return !findTrayIcon(tip, Millis(0)); }, timeout);
}

bool clickTrayIcon(const TrayIcon& icon, MouseButton button) { return clickAt(centre(icon.screenRect), button); }

HWND findPopupMenu(DWORD processId, Millis timeout) {
  return findTopLevel({L"", L"#32768", processId, true}, timeout);
}

bool chooseMenuItemByKeys(size_t index) {
  // Home first: the item under a resting pointer may already be highlighted.
  if (!pressKeys({VK_HOME})) return false;
  for (size_t i = 0; i < index; ++i) {
    if (!pressKeys({VK_DOWN})) return false;
  }
  return pressKeys({VK_RETURN});
}

bool chooseMenuItemByClick(HWND menu, size_t index, size_t count) {
  RECT client{};
  if (count == 0 || index >= count || !GetClientRect(menu, &client)) return false;
  MapWindowPoints(menu, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const LONG height = (client.bottom - client.top) / static_cast<LONG>(count);
  const POINT item{(client.left + client.right) / 2,
                   client.top + height * static_cast<LONG>(index) + height / 2};
  return clickAt(item);
}

}  // namespace vellox::e2e
