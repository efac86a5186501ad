#include "ui/win32/main_window.h"
#include <commctrl.h>
#include "ui/win32/dialog_registry.h"
#include "ui/win32/drop_target.h"
#include "ui/win32/guard.h"
#include "ui/win32/resources/resource.h"
#include "ui/win32/window_classes.h"

namespace vellox::win32 {

Win32MainView::Page::Page(Win32MainView& window, int templateId, int id) : window_(window) {
  createDialog(window.module_, templateId, window.hwnd());
  SetWindowLongPtrW(hwnd(), GWLP_ID, id);
}

Win32MainView::Win32MainView(HINSTANCE module) : module_(module) {
  registerWindowClasses(module_);
  createDialog(module_, IDD_MAIN, nullptr);
  createPages();
  attachControls();
  rememberDesignedLayout();
  layout();
  applyArtworkAndFonts();
  registerDialog(hwnd(), [this](const MSG& msg) {
    bool handled = false;
    guarded([&] { handled = handleKeyboard(msg); });
    return handled;
  });
}

Win32MainView::~Win32MainView() {
  unregisterDialog(hwnd());
  // Nothing may reach the form logic while the window goes.
  detachControls();
  destroy();
}

void Win32MainView::createPages() {
  const int templates[] = {
#define VELLOX_PAGE_TEMPLATE(name, caption, page) page,
      VELLOX_MAIN_TABS(VELLOX_PAGE_TEMPLATE)
#undef VELLOX_PAGE_TEMPLATE
  };
  for (int i = 0; i < kTabCount; ++i)
    pages_.push_back(std::make_unique<Page>(*this, templates[i], IDC_PAGE_GENERAL + i));
  // Files and folders are dropped on the Secure Wipe tab, to be wiped.
  DragAcceptFiles(page(kTabSecureWipe), TRUE);
  // Pages sit above the tab control (which clips its siblings), in tab order before it.
  for (auto page = pages_.rbegin(); page != pages_.rend(); ++page)
    SetWindowPos((*page)->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32MainView::show() {
  ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(hwnd());
}

void Win32MainView::repaint() {
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

std::optional<LRESULT> Win32MainView::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto answer = handleShared(message, wParam, lParam)) return answer;
  switch (message) {
    case WM_CLOSE:
      onCloseBox.fire();
      return 0;
    case WM_COMMAND:
      // Esc, through the dialog manager, closes the window as the close box does.
      if (LOWORD(wParam) != IDCANCEL || lParam != 0) return std::nullopt;
      onCloseBox.fire();
      return 0;
    case WM_DPICHANGED:
      // Moved to a monitor with another scale: fonts, controls and pictures follow.
      changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      return std::nullopt;
  }
}

LRESULT Win32MainView::filesDropped(HDROP drop) {
  const UniqueDrop owned(drop);
  const std::vector<std::string> paths = droppedPaths(owned.get());
  if (onFilesDropped && !paths.empty()) guarded([&] { onFilesDropped(paths); });
  return 0;
}

bool Win32MainView::isLink(HWND control) const {
  return control != nullptr && (control == lblurl.hwnd() || control == lblcleanlog.hwnd());
}

// Messages every dialog of the window handles alike: notifications to the
// control wrappers, the busy pointer and the link look of lblurl and lblcleanlog.
std::optional<LRESULT> Win32MainView::handleShared(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0 || !NativeControl::routeCommand(wParam, lParam)) return std::nullopt;
      return 0;
    case WM_NOTIFY: {
      LRESULT answer = 0;
      if (!NativeControl::routeNotify(lParam, answer)) return std::nullopt;
      return answer;
    }
    case WM_SETCURSOR:
      if (pointer.applyTo()) return TRUE;
      if (!isLink(reinterpret_cast<HWND>(wParam))) return std::nullopt;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      if (!isLink(reinterpret_cast<HWND>(lParam))) return std::nullopt;
      SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0x33, 0xCC));
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    default:
      return std::nullopt;
  }
}

}  // namespace vellox::win32
