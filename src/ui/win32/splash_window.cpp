#include "ui/win32/splash_window.h"
#include <stdexcept>
#include "app/app_identity.h"
#include "ui/win32/guard.h"
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
  hwnd_ = CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_SPLASH), nullptr, proc, reinterpret_cast<LPARAM>(this));
  if (!hwnd_) throw std::runtime_error("the splash window could not be created");
  // No title bar, but the taskbar shows the name.
  setWindowText(hwnd_, kAppTitle);
  picture_.show(GetDlgItem(hwnd_, IDC_SPLASH_PICTURE1), module, IDB_SPLASH);
}

Win32SplashView::~Win32SplashView() {
  if (!hwnd_) return;
  KillTimer(hwnd_, kFallbackTimer);
  SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
  DestroyWindow(hwnd_);
}

void Win32SplashView::setAction(const std::string& text) {
  HWND label = GetDlgItem(hwnd_, IDC_LBLACTION);
  setWindowText(label, text);
  UpdateWindow(label);
}

std::string Win32SplashView::action() const { return windowText(GetDlgItem(hwnd_, IDC_LBLACTION)); }

void Win32SplashView::setVersion(const std::string& text) { setWindowText(GetDlgItem(hwnd_, IDC_LBLVERSION), text); }

std::string Win32SplashView::version() const { return windowText(GetDlgItem(hwnd_, IDC_LBLVERSION)); }

void Win32SplashView::setGeneral(const std::string& text) { setWindowText(GetDlgItem(hwnd_, IDC_LBLGENERAL), text); }

std::string Win32SplashView::general() const { return windowText(GetDlgItem(hwnd_, IDC_LBLGENERAL)); }

void Win32SplashView::show() {
  shown_ = true;
  SetTimer(hwnd_, kFallbackTimer, kFallbackDelayMs, nullptr);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  UpdateWindow(hwnd_);
  if (GetActiveWindow() == hwnd_) PostMessageW(hwnd_, kActivatedMessage, 0, 0);
}

void Win32SplashView::activated() {
  if (fired_) return;
  fired_ = true;
  KillTimer(hwnd_, kFallbackTimer);
  // The handler may retire this window: touch nothing of it afterwards.
  guarded([this] { onActivate.fire(); });
}

INT_PTR CALLBACK Win32SplashView::proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    return FALSE;
  }
  auto* view = reinterpret_cast<Win32SplashView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!view) return FALSE;
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && view->shown_) PostMessageW(hwnd, kActivatedMessage, 0, 0);
      return FALSE;
    case kActivatedMessage:
      view->activated();
      return TRUE;
    case WM_TIMER:
      if (wParam != kFallbackTimer) return FALSE;
      view->activated();
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace vellox::win32
