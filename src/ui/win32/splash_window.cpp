#include "ui/win32/splash_window.h"
#include "ui/win32/native_control.h"
#include "ui/win32/resources/resource.h"
#include "ui/win32/window_classes.h"

namespace vellox::win32 {

namespace {
// Posted on activation, so the start-up finishes from the message loop and not
// inside the window manager's activation.
const UINT kActivatedMessage = WM_APP + 20;
// When another program keeps the foreground the splash may never become active:
// start-up then finishes after this many milliseconds all the same.
const UINT_PTR kFallbackTimer = 1;
const UINT kFallbackDelayMs = 3000;
}  // namespace

Win32SplashView::Win32SplashView(HINSTANCE module) {
  registerWindowClasses(module);
  createDialog(module, IDD_SPLASH, nullptr);
  // No title bar, but the taskbar shows the name.
  setWindowText(hwnd(), programTitle(module));
  picture_.show(GetDlgItem(hwnd(), IDC_SPLASH_PICTURE1), module, IDB_SPLASH);
}

void Win32SplashView::setAction(const std::string& text) {
  HWND label = GetDlgItem(hwnd(), IDC_LBLACTION);
  setWindowText(label, text);
  UpdateWindow(label);
}

std::string Win32SplashView::action() const { return windowText(GetDlgItem(hwnd(), IDC_LBLACTION)); }

void Win32SplashView::setVersion(const std::string& text) { setWindowText(GetDlgItem(hwnd(), IDC_LBLVERSION), text); }

std::string Win32SplashView::version() const { return windowText(GetDlgItem(hwnd(), IDC_LBLVERSION)); }

void Win32SplashView::setGeneral(const std::string& text) { setWindowText(GetDlgItem(hwnd(), IDC_LBLGENERAL), text); }

std::string Win32SplashView::general() const { return windowText(GetDlgItem(hwnd(), IDC_LBLGENERAL)); }

void Win32SplashView::show() {
  shown_ = true;
  SetTimer(hwnd(), kFallbackTimer, kFallbackDelayMs, nullptr);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  UpdateWindow(hwnd());
  if (GetActiveWindow() == hwnd()) PostMessageW(hwnd(), kActivatedMessage, 0, 0);
}

void Win32SplashView::activated() {
  if (fired_) return;
  fired_ = true;
  KillTimer(hwnd(), kFallbackTimer);
  // The handler may retire this window: touch nothing of it afterwards.
  onActivate.fire();
}

std::optional<LRESULT> Win32SplashView::onMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && shown_) PostMessageW(hwnd(), kActivatedMessage, 0, 0);
      return std::nullopt;
    case kActivatedMessage:
      activated();
      return 0;
    case WM_TIMER:
      if (wParam != kFallbackTimer) return std::nullopt;
      activated();
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace vellox::win32
