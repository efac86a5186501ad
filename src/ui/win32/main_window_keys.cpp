#include "ui/win32/main_window.h"
#include <commctrl.h>
#include <vector>

namespace vellox::win32 {

namespace {

bool isTabStop(HWND control) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

bool isRadio(HWND control) { return (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0; }

// The control of `dialog` that holds `focus`, itself or an ancestor of it.
HWND controlOf(HWND dialog, HWND focus) {
  while (focus && GetParent(focus) != dialog) focus = GetParent(focus);
  return focus;
}

// Tab into a group of options lands on the chosen one, as the dialog manager
// does: focus on another would choose it.
HWND chosenInGroup(HWND stop) {
  if (!isRadio(stop) || SendMessageW(stop, BM_GETCHECK, 0, 0) == BST_CHECKED) return stop;
  HWND dialog = GetParent(stop);
  for (HWND item = GetNextDlgGroupItem(dialog, stop, FALSE); item && item != stop;
       item = GetNextDlgGroupItem(dialog, item, FALSE))
    if (isRadio(item) && SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED) return item;
  return stop;
}

// The tab stop a control belongs to: itself, or the head of its group.
HWND stopOf(HWND control) {
  while (control && !isTabStop(control)) control = GetWindow(control, GW_HWNDPREV);
  return control;
}

}  // namespace

// The dialog manager follows the z-order, and the pages lie above the tab
// control so that they are painted and clicked; the order a person expects is
// the tab strip, the shown page, then "&Ok" and "&Help".
std::vector<HWND> Win32MainView::tabStops() const {
  std::vector<HWND> stops{SSTab1.hwnd()};
  for (const auto& page : pages_) {
    if (!(GetWindowLongW(page->hwnd(), GWL_STYLE) & WS_VISIBLE)) continue;
    for (HWND child = GetWindow(page->hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (isTabStop(child)) stops.push_back(child);
  }
  for (HWND button : {cmdok.hwnd(), cmdHelp.hwnd()})
    if (isTabStop(button)) stops.push_back(button);
  return stops;
}

bool Win32MainView::moveFocusByTab(bool back) {
  HWND focus = GetFocus();
  if (!focus || (SendMessageW(focus, WM_GETDLGCODE, VK_TAB, 0) & DLGC_WANTTAB)) return false;
  HWND owner = hwnd();
  for (const auto& page : pages_)
    if (IsChild(page->hwnd(), focus)) owner = page->hwnd();
  const HWND current = stopOf(controlOf(owner, focus));
  const std::vector<HWND> stops = tabStops();
  std::size_t at = 0;
  while (at < stops.size() && stops[at] != current) ++at;
  if (at == stops.size()) return false;
  const std::size_t next = (at + (back ? stops.size() - 1 : 1)) % stops.size();
  const HWND target = chosenInGroup(stops[next]);
  // Through the dialog manager, so an edit box's text is selected as usual.
  SendMessageW(GetParent(target), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
  return true;
}

// Shortcuts of the tabs: Ctrl+Tab and Ctrl+PageDown (and back with Shift or
// PageUp) step through them; Alt with a tab's & letter selects that tab. Tab
// alone moves the focus in the window's own order.
bool Win32MainView::handleKeyboard(const MSG& msg) {
  const bool control = GetKeyState(VK_CONTROL) < 0;
  if (msg.message == WM_KEYDOWN && control &&
      (msg.wParam == VK_TAB || msg.wParam == VK_NEXT || msg.wParam == VK_PRIOR)) {
    const bool back = msg.wParam == VK_PRIOR || (msg.wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0);
    const int count = SSTab1.count();
    if (count > 0) SSTab1.select((SSTab1.selected() + (back ? count - 1 : 1)) % count);
    return true;
  }
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !control && GetKeyState(VK_MENU) >= 0)
    return moveFocusByTab(GetKeyState(VK_SHIFT) < 0);
  if (msg.message == WM_SYSCHAR) {
    const auto pressed = CharUpperW(reinterpret_cast<wchar_t*>(static_cast<ULONG_PTR>(msg.wParam)));
    for (int tab = 0; tab < SSTab1.count(); ++tab) {
      const std::string caption = SSTab1.caption(tab);
      const auto amp = caption.find('&');
      if (amp == std::string::npos || amp + 1 >= caption.size()) continue;
      const auto letter = CharUpperW(reinterpret_cast<wchar_t*>(static_cast<ULONG_PTR>(
          static_cast<unsigned char>(caption[amp + 1]))));
      if (letter != pressed) continue;
      SSTab1.select(tab);
      SSTab1.setFocus();
      return true;
    }
  }
  return false;
}

}  // namespace vellox::win32
