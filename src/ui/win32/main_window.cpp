#include "ui/win32/main_window.h"
#include <commctrl.h>
#include <stdexcept>
#include "ui/win32/dialog_registry.h"
#include "ui/win32/guard.h"
#include "ui/win32/resources/resource.h"
#include "ui/win32/window_classes.h"

namespace vellox::win32 {

Win32MainView::Win32MainView(HINSTANCE module)
    : module_(module),
      controls_{SSTab1, cmdok, cmdHelp, sbar, pointer,
                chkautostart, chkdelOnStart, chkDelOnShutDown, Chkautoclearcookies, ChkAutoClearCache,
                ChkAutoClearHistory, chkdeltempfiles, chkEmptyRecycleBin,
                txtCookieDir, lstcookies, cmdselectallcookies, cmdselectnocookies, cmdinvertcookiesselection,
                cmddelcookies,
                List1, cmdDelSelFromCache, cmdDelAllFromCache, cmdinvertcachesel, chkDelCachedPasswords,
                URLs, cmdClearHistory,
                txtFolderToWipe, cmdBrowseForFolder, txtFileToWipe, cmdBrowseForFile, chkSecureForAll, optQuick,
                optDOD, cmdWipe,
                lblappname, lblproginfo, lbladdress, lblwarning, lblurl, cmdcheckForUpdates} {
  registerWindowClasses(module_);
  hwnd_ = CreateDialogParamW(module_, MAKEINTRESOURCEW(IDD_MAIN), nullptr, mainProc,
                             reinterpret_cast<LPARAM>(this));
  if (!hwnd_) throw std::runtime_error("the main window could not be created");
  createPages();
  attachControls();
  rememberDesignedLayout();
  layout();
  applyArtworkAndFonts();
  registerDialog(hwnd_, [this](const MSG& msg) {
    bool handled = false;
    guarded([&] { handled = handleKeyboard(msg); });
    return handled;
  });
}

Win32MainView::~Win32MainView() {
  if (!hwnd_) return;
  unregisterDialog(hwnd_);
  // Nothing may reach the form logic while the window goes.
  for (NativeControl* control : allControls()) control->detach();
  SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
  for (HWND page : pages_)
    if (page) SetWindowLongPtrW(page, DWLP_USER, 0);
  DestroyWindow(hwnd_);
}

void Win32MainView::createPages() {
  const int templates[kPageCount] = {IDD_PAGE_GENERAL, IDD_PAGE_COOKIES, IDD_PAGE_CACHE,
                                     IDD_PAGE_HISTORY, IDD_PAGE_WIPE,    IDD_PAGE_ABOUT};
  for (int i = 0; i < kPageCount; ++i) {
    HWND page = CreateDialogParamW(module_, MAKEINTRESOURCEW(templates[i]), hwnd_, pageProc,
                                   reinterpret_cast<LPARAM>(this));
    if (!page) throw std::runtime_error("a page of the main window could not be created");
    SetWindowLongPtrW(page, GWLP_ID, IDC_PAGE_GENERAL + i);
    pages_[static_cast<size_t>(i)] = page;
  }
  // Pages sit above the tab control (which clips its siblings), in tab order before it.
  for (int i = kPageCount - 1; i >= 0; --i)
    SetWindowPos(pages_[static_cast<size_t>(i)], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32MainView::show() {
  ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void Win32MainView::repaint() {
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

INT_PTR CALLBACK Win32MainView::mainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    return FALSE;  // created hidden: the focus is set when it is shown
  }
  auto* view = reinterpret_cast<Win32MainView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!view) return FALSE;
  INT_PTR result = FALSE;
  if (view->handleShared(hwnd, message, wParam, lParam, result)) return result;
  bool handled = false;
  guarded([&] { handled = view->handleMain(message, wParam, lParam); });
  return handled ? TRUE : FALSE;
}

INT_PTR CALLBACK Win32MainView::pageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    return FALSE;
  }
  auto* view = reinterpret_cast<Win32MainView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  INT_PTR result = FALSE;
  return view && view->handleShared(hwnd, message, wParam, lParam, result) ? result : FALSE;
}

bool Win32MainView::handleMain(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      onCloseBox.fire();
      return true;
    case WM_COMMAND:
      // Esc, through the dialog manager, closes the window as the close box does.
      if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
        onCloseBox.fire();
        return true;
      }
      return false;
    case WM_DPICHANGED:
      // Moved to a monitor with another scale: fonts, controls and pictures follow.
      changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return true;
    default:
      return false;
  }
}

// Messages every dialog of the window handles alike: notifications to the
// control wrappers, the busy pointer and the link look of lblurl.
bool Win32MainView::handleShared(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0 || !NativeControl::routeCommand(wParam, lParam)) return false;
      result = TRUE;
      return true;
    case WM_NOTIFY: {
      LRESULT answer = 0;
      if (!NativeControl::routeNotify(lParam, answer)) return false;
      SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, answer);
      result = TRUE;
      return true;
    }
    case WM_SETCURSOR:
      if (pointer.applyTo()) {
      } else if (reinterpret_cast<HWND>(wParam) == lblurl.hwnd() && lblurl.hwnd()) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
      } else {
        return false;
      }
      SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, TRUE);
      result = TRUE;
      return true;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) != lblurl.hwnd() || !lblurl.hwnd()) return false;
      SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0x33, 0xCC));
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    default:
      return false;
  }
}

}  // namespace vellox::win32
