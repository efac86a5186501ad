#include "ui/win32/native_control.h"
#include "platform/win32/text.h"

namespace vellox::win32 {

namespace {
const wchar_t* kProp = L"TarnVellox.Control";
}

void NativeControl::attach(HWND hwnd) {
  detach();
  hwnd_ = hwnd;
  if (hwnd_) SetPropW(hwnd_, kProp, this);
}

void NativeControl::detach() {
  if (hwnd_ && IsWindow(hwnd_) && GetPropW(hwnd_, kProp) == this) RemovePropW(hwnd_, kProp);
  hwnd_ = nullptr;
}

NativeControl* NativeControl::fromHwnd(HWND hwnd) {
  return hwnd ? static_cast<NativeControl*>(GetPropW(hwnd, kProp)) : nullptr;
}

bool NativeControl::routeCommand(WPARAM wParam, LPARAM lParam) {
  NativeControl* control = fromHwnd(reinterpret_cast<HWND>(lParam));
  return control && control->onCommand(HIWORD(wParam));
}

bool NativeControl::routeNotify(LPARAM lParam, LRESULT& result) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  NativeControl* control = header ? fromHwnd(header->hwndFrom) : nullptr;
  return control && control->onNotify(*header, result);
}

std::string windowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return narrow(text);
}

void setWindowText(HWND hwnd, const std::string& text) { SetWindowTextW(hwnd, widen(text).c_str()); }

}  // namespace vellox::win32
