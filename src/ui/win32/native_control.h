#pragma once
#include <string>
#include <windows.h>
#include "ui/control.h"

namespace vellox::win32 {

// A wrapper bound to one control HWND. The dialog that parents the control hands
// it the control's WM_COMMAND and WM_NOTIFY, found through a window property.
class NativeControl {
 public:
  NativeControl() = default;
  virtual ~NativeControl() { detach(); }
  NativeControl(const NativeControl&) = delete;
  NativeControl& operator=(const NativeControl&) = delete;

  void attach(HWND hwnd);
  // Binds the control `id` of the dialog `parent`.
  void init(HWND parent, int id) { attach(GetDlgItem(parent, id)); }
  // Stops routing notifications to this object; the window itself stays.
  void detach();
  HWND hwnd() const { return hwnd_; }

  // Notification code of a WM_COMMAND from this control; true when handled.
  virtual bool onCommand(int) { return false; }
  virtual bool onNotify(const NMHDR&, LRESULT&) { return false; }

  // Hands a parent's WM_COMMAND / WM_NOTIFY to the wrapper of the control that
  // sent it; called from a window's onMessage, which no exception leaves.
  static bool routeCommand(WPARAM wParam, LPARAM lParam);
  static bool routeNotify(LPARAM lParam, LRESULT& result);
  static NativeControl* fromHwnd(HWND hwnd);

 private:
  HWND hwnd_ = nullptr;
};

// Text of any window, as UTF-8.
std::string windowText(HWND hwnd);
void setWindowText(HWND hwnd, const std::string& text);

// The enabled and focus state every control shares.
template <class Base>
class Win32Control : public Base, public NativeControl {
 public:
  void setEnabled(bool enabled) override { EnableWindow(hwnd(), enabled ? TRUE : FALSE); }
  bool enabled() const override { return IsWindowEnabled(hwnd()) != 0; }
  void setFocus() override {
    if (enabled()) SetFocus(hwnd());
  }
  bool hasFocus() const override { return hwnd() != nullptr && GetFocus() == hwnd(); }
};

}  // namespace vellox::win32
