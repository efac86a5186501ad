#include "ui/win32/tray_window.h"
#include <shellapi.h>
#include <algorithm>
#include <utility>
#include "platform/win32/text.h"
#include "ui/win32/dpi.h"
#include "ui/win32/resources/resource.h"
#include "ui/win32/window_classes.h"

namespace vellox::win32 {

namespace {
const UINT_PTR kRetryTimer = 1;
}

Win32TrayView::Win32TrayView(HINSTANCE module)
    : module_(module),
      icon_(loadProgramIcon(module, GetSystemMetrics(SM_CXSMICON))),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      exitRequest_(RegisterWindowMessageW(VELLOX_EXIT_MESSAGE)) {
  // A hidden top-level window rather than a message-only one: the menu needs a
  // window that can take the foreground.
  create(module, VELLOX_TRAY_CLASS, L"Tarn Vellox tray", WS_POPUP, WS_EX_TOOLWINDOW, nullptr);
}

bool Win32TrayView::notify(DWORD action) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = hwnd();
  data.uID = VELLOX_TRAY_ICON_ID;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_VELLOX_TRAYICON;
  data.hIcon = icon_.get();
  lstrcpynW(data.szTip, tip_.c_str(), ARRAYSIZE(data.szTip));
  return Shell_NotifyIconW(action, &data) != FALSE;
}

bool Win32TrayView::addIcon(const std::string& tip) {
  tip_ = widen(tip);
  iconAdded_ = notify(NIM_ADD);
  return iconAdded_;
}

// The notification area shows small icons at the scale of its monitor.
void Win32TrayView::reloadIcon(UINT dpi) {
  UniqueIcon icon(loadProgramIcon(module_, systemMetricForDpi(SM_CXSMICON, dpi)));
  if (!icon) return;
  std::swap(icon_, icon);  // the old icon stays until the shell has the new one
  if (iconAdded_) notify(NIM_MODIFY);
}

void Win32TrayView::removeIcon() {
  if (!iconAdded_) return;
  notify(NIM_DELETE);
  iconAdded_ = false;
}

void Win32TrayView::startRetryTimer(std::chrono::milliseconds interval) {
  SetTimer(hwnd(), kRetryTimer, static_cast<UINT>(interval.count()), nullptr);
}

void Win32TrayView::stopRetryTimer() {
  KillTimer(hwnd(), kRetryTimer);
}

void Win32TrayView::blockSessionEnd(const std::string& reason) {
  blockReason_ = ShutdownBlockReasonCreate(hwnd(), widen(reason).c_str()) != FALSE;
}

void Win32TrayView::allowSessionEnd() {
  if (blockReason_) ShutdownBlockReasonDestroy(hwnd());
  blockReason_ = false;
}

TrayMenuItem Win32TrayView::popupMenu() {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return TrayMenuItem::None;
  AppendMenuW(menu.get(), MF_STRING, IDM_MNUSHOW, L"Show Vellox");
  AppendMenuW(menu.get(), MF_STRING, IDM_MNUABOUT, L"About");
  AppendMenuW(menu.get(), MF_STRING, IDM_MNUEXIT, L"Exit");
  POINT at{};
  GetCursorPos(&at);
  // The press that opens the menu may be the first half of a double-click: the
  // menu opens just beside the pointer, towards the middle of the screen, so the
  // second click cannot land on an item.
  const int gap = std::max(GetSystemMetrics(SM_CYDOUBLECLK), 4);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor);
  const bool lowerHalf = at.y > (monitor.rcWork.top + monitor.rcWork.bottom) / 2;
  const UINT vertical = lowerHalf ? TPM_BOTTOMALIGN : TPM_TOPALIGN;
  const int y = lowerHalf ? at.y - gap : at.y + gap;
  // Without the foreground the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(hwnd());
  const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(
      menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | vertical, at.x, y, hwnd(), nullptr));
  PostMessageW(hwnd(), WM_NULL, 0, 0);
  switch (chosen) {
    case IDM_MNUSHOW:
      return TrayMenuItem::Show;
    case IDM_MNUABOUT:
      return TrayMenuItem::About;
    case IDM_MNUEXIT:
      return TrayMenuItem::Exit;
    default:
      return TrayMenuItem::None;
  }
}

std::optional<LRESULT> Win32TrayView::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_VELLOX_TRAYICON) {
    // The handler may end the program and destroy this view: nothing of it is used afterwards.
    if (onIconEvent) onIconEvent(static_cast<std::uint32_t>(LOWORD(lParam)));
    return 0;
  }
  if (message == WM_TIMER && wParam == kRetryTimer) {
    onRetryTimer.fire();
    return 0;
  }
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // Explorer restarted: the icon it had is gone. Or the shell has only now
    // come up, and the icon it refused may be added at last.
    if (iconAdded_)
      notify(NIM_ADD);
    else
      onTaskbarCreated.fire();
    return 0;
  }
  if (message == exitRequest_ && exitRequest_ != 0) {
    onExitRequest.fire();  // may end the program: nothing of this view is used afterwards
    return 0;
  }
  if (message == WM_QUERYENDSESSION) return !onQueryEndSession || onQueryEndSession() ? TRUE : FALSE;
  if (message == WM_ENDSESSION) {
    if (onEndSession) onEndSession(wParam != FALSE);
    return 0;
  }
  if (message == WM_DPICHANGED) {
    reloadIcon(HIWORD(wParam));
    return 0;
  }
  return std::nullopt;
}

}  // namespace vellox::win32
