#pragma once
#include <string>
#include <windows.h>
#include "platform/win32/gdi.h"
#include "ui/tray_view.h"

namespace vellox::win32 {

// frmtray's hidden window: owns the notification-area icon, receives its
// callback message and pops up the tray menu.
class Win32TrayView : public TrayView {
 public:
  explicit Win32TrayView(HINSTANCE module);
  ~Win32TrayView() override;
  Win32TrayView(const Win32TrayView&) = delete;
  Win32TrayView& operator=(const Win32TrayView&) = delete;

  bool addIcon(const std::string& tip) override;
  void removeIcon() override;
  TrayMenuItem popupMenu() override;
  void startRetryTimer(std::chrono::milliseconds interval) override;
  void stopRetryTimer() override;
  HWND hwnd() const { return hwnd_; }
  HICON icon() const { return icon_.get(); }

 private:
  static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool notify(DWORD action);
  void reloadIcon(UINT dpi);

  HINSTANCE module_;
  HWND hwnd_ = nullptr;
  UniqueIcon icon_;
  std::wstring tip_;
  UINT taskbarCreated_ = 0;
  bool iconAdded_ = false;
};

}  // namespace vellox::win32
