#include "ui/win32/keep_cookies_window.h"
#include "ui/win32/dialog_registry.h"
#include "ui/win32/resources/resource.h"

namespace vellox::win32 {

Win32KeepCookiesView::Win32KeepCookiesView(HINSTANCE module, HWND owner) : owner_(owner) {
  createDialog(module, IDD_KEEPCOOKIES, owner);
  lstSites.init(hwnd(), IDC_LSTSITES);
  lstKept.init(hwnd(), IDC_LSTKEPT);
  cmdKeep.init(hwnd(), IDC_CMDKEEP);
  cmdRemove.init(hwnd(), IDC_CMDREMOVE);
  cmdOk.init(hwnd(), IDOK);
  cmdCancel.init(hwnd(), IDCANCEL);
  registerDialog(hwnd());
}

Win32KeepCookiesView::~Win32KeepCookiesView() {
  close();
  unregisterDialog(hwnd());
  for (NativeControl* control : std::initializer_list<NativeControl*>{&lstSites, &lstKept, &cmdKeep, &cmdRemove,
                                                                      &cmdOk, &cmdCancel})
    control->detach();
  destroy();
}

void Win32KeepCookiesView::show() {
  if (owner_ && !ownerDisabled_) {
    EnableWindow(owner_, FALSE);
    ownerDisabled_ = true;
  }
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

// The owner gets its input back before this hides, so it, not another program, becomes active.
void Win32KeepCookiesView::close() {
  if (ownerDisabled_) {
    EnableWindow(owner_, TRUE);
    ownerDisabled_ = false;
  }
  if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

std::optional<LRESULT> Win32KeepCookiesView::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam != 0 && NativeControl::routeCommand(wParam, lParam)) return 0;
      if (LOWORD(wParam) != IDCANCEL) return std::nullopt;
      onCloseBox.fire();
      return 0;
    case WM_CLOSE:
      onCloseBox.fire();
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace vellox::win32
