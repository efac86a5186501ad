#include "ui/win32/win32_list_box.h"
#include "platform/win32/text.h"

namespace vellox::win32 {

void Win32ListBox::clear() {
  SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
  items_.clear();
}

void Win32ListBox::add(const std::string& text) {
  const auto index = SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widenAnsi(text).c_str()));
  if (index >= 0) items_.push_back(text);
}

bool Win32ListBox::selected(std::size_t index) const {
  return SendMessageW(hwnd(), LB_GETSEL, index, 0) > 0;
}

void Win32ListBox::setSelected(std::size_t index, bool selected) {
  SendMessageW(hwnd(), LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(index));
}

long long Win32ListBox::currentIndex() const {
  if (items_.empty()) return -1;
  const auto caret = SendMessageW(hwnd(), LB_GETCARETINDEX, 0, 0);
  return caret == LB_ERR ? -1 : static_cast<long long>(caret);
}

void Win32ListBox::setCurrentIndex(long long index) {
  if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return;
  SendMessageW(hwnd(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

void Win32ListBox::beginUpdate() {
  if (updating_++ == 0) SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
}

void Win32ListBox::endUpdate() {
  if (updating_ == 0 || --updating_ > 0) return;
  SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

}  // namespace vellox::win32
