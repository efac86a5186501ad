#include "ui/win32/win32_controls.h"
#include <commctrl.h>
#include "platform/win32/text.h"

namespace vellox::win32 {

bool Win32Button::onCommand(int code) {
  if (code != BN_CLICKED) return false;
  click();
  return true;
}

bool Win32Label::onCommand(int code) {
  if (code != STN_CLICKED) return false;
  click();
  return true;
}

int Win32CheckBox::value() const {
  switch (SendMessageW(hwnd(), BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
      return 1;
    case BST_INDETERMINATE:
      return 2;
    default:
      return 0;
  }
}

void Win32CheckBox::store(int value) {
  const WPARAM state = value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
  SendMessageW(hwnd(), BM_SETCHECK, state, 0);
}

bool Win32CheckBox::onCommand(int code) {
  if (code != BN_CLICKED) return false;
  click();
  return true;
}

bool Win32OptionButton::value() const { return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Win32OptionButton::setValue(bool selected) {
  if (selected) {
    HWND parent = GetParent(hwnd());
    HWND other = hwnd();
    while ((other = GetNextDlgGroupItem(parent, other, FALSE)) != nullptr && other != hwnd())
      SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
  }
  SendMessageW(hwnd(), BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32StatusBar::setText(const std::string& text) {
  SendMessageW(hwnd(), SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(widen(text).c_str()));
  UpdateWindow(hwnd());
}

std::string Win32StatusBar::text() const {
  const auto length = LOWORD(SendMessageW(hwnd(), SB_GETTEXTLENGTHW, 0, 0));
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(hwnd(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(length);
  return narrow(buffer);
}

void Win32TabControl::setTabs(const std::vector<std::string>& captions, std::vector<HWND> pages) {
  pages_ = std::move(pages);
  for (size_t i = 0; i < captions.size(); ++i) {
    std::wstring caption = widen(captions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(hwnd(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

int Win32TabControl::selected() const { return static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0)); }

int Win32TabControl::count() const { return static_cast<int>(SendMessageW(hwnd(), TCM_GETITEMCOUNT, 0, 0)); }

std::string Win32TabControl::caption(int index) const {
  wchar_t buffer[256] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = 255;
  if (!SendMessageW(hwnd(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return {};
  return narrow(item.pszText);
}

void Win32TabControl::store(int index) {
  SendMessageW(hwnd(), TCM_SETCURSEL, index, 0);
  showSelectedPage();
}

bool Win32TabControl::onNotify(const NMHDR& header, LRESULT&) {
  if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
  showSelectedPage();
  onClick.fire();
  return true;
}

void Win32TabControl::showSelectedPage() {
  const int current = selected();
  // Show the new page before hiding the old, and never leave the focus on a hidden control.
  for (size_t i = 0; i < pages_.size(); ++i)
    if (static_cast<int>(i) == current) ShowWindow(pages_[i], SW_SHOW);
  HWND focus = GetFocus();
  for (size_t i = 0; i < pages_.size(); ++i) {
    if (static_cast<int>(i) == current) continue;
    if (focus && IsChild(pages_[i], focus)) SetFocus(hwnd());
    ShowWindow(pages_[i], SW_HIDE);
  }
}

void Win32MousePointer::set(int pointer) {
  pointer_ = pointer;
  HWND root = window_.hwnd();
  if (!root) return;
  POINT at{};
  GetCursorPos(&at);
  HWND under = WindowFromPoint(at);
  if (!under || (under != root && !IsChild(root, under))) return;
  if (pointer_ == kPointerHourglass)
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  else  // let the control under the mouse choose its own pointer again
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

bool Win32MousePointer::applyTo() const {
  if (pointer_ != kPointerHourglass && pointer_ != kPointerBackground) return false;
  SetCursor(LoadCursorW(nullptr, pointer_ == kPointerHourglass ? IDC_WAIT : IDC_APPSTARTING));
  return true;
}

}  // namespace vellox::win32
