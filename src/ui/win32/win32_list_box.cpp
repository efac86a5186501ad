#include "ui/win32/win32_list_box.h"
#include "platform/win32/gdi.h"
#include "platform/win32/text.h"

namespace vellox::win32 {

void Win32ListBox::clear() {
  SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
  items_.clear();
  widest_ = 0;
  none_ = false;
  applyExtent();
}

void Win32ListBox::add(const std::string& text) {
  const std::wstring shown = widenAnsi(text);
  const auto index = SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
  if (index < 0) return;
  items_.push_back(text);
  measure(shown);
}

void Win32ListBox::measure(const std::wstring& shown) {
  ScopedGetDC dc(hwnd());
  if (!dc.get()) return;
  ScopedSelectObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), shown.c_str(), static_cast<int>(shown.size()), &size);
  if (size.cx <= widest_) return;
  widest_ = size.cx;
  if (updating_ == 0) applyExtent();
}

void Win32ListBox::applyExtent() {
  const int margin = 2 * GetSystemMetrics(SM_CXEDGE) + 4;
  SendMessageW(hwnd(), LB_SETHORIZONTALEXTENT, widest_ > 0 ? widest_ + margin : 0, 0);
}

bool Win32ListBox::selected(std::size_t index) const {
  return SendMessageW(hwnd(), LB_GETSEL, index, 0) > 0;
}

void Win32ListBox::setSelected(std::size_t index, bool selected) {
  SendMessageW(hwnd(), LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(index));
}

long long Win32ListBox::currentIndex() const {
  if (items_.empty() || none_) return -1;
  const auto caret = SendMessageW(hwnd(), LB_GETCARETINDEX, 0, 0);
  return caret == LB_ERR ? -1 : static_cast<long long>(caret);
}

void Win32ListBox::setCurrentIndex(long long index) {
  if (index < 0) {
    none_ = true;
    return;
  }
  if (static_cast<std::size_t>(index) >= items_.size()) return;
  none_ = false;
  SendMessageW(hwnd(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

// A multiple-selection list box reports every click and every arrow key with
// LBN_SELCHANGE, also when the selection stays; the program's own LB_SETSEL does not.
bool Win32ListBox::onCommand(int code) {
  if (code == LBN_SELCHANGE) none_ = false;
  return false;
}

void Win32ListBox::beginUpdate() {
  if (updating_++ == 0) SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
}

void Win32ListBox::endUpdate() {
  if (updating_ == 0 || --updating_ > 0) return;
  applyExtent();
  SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

}  // namespace vellox::win32
