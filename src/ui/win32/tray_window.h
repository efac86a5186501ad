#pragma once
#include <string>
#include <windows.h>
#include "platform/win32/gdi.h"
#include "ui/tray_view.h"
#include "ui/win32/window.h"

namespace vellox::win32 {

// frmtray's hidden window: owns the notification-area icon, receives its
// callback message and pops up the tray menu.
class Win32TrayView : public TrayView, public Window {
 public:
  explicit Win32TrayView(HINSTANCE module);
  ~Win32TrayView() override {
    allowSessionEnd();
    removeIcon();
  }

  bool addIcon(const std::string& tip) override;
  void removeIcon() override;
  TrayMenuItem popupMenu() override;
  void startRetryTimer(std::chrono::milliseconds interval) override;
  void stopRetryTimer() override;
  void blockSessionEnd(const std::string& reason) override;
  void allowSessionEnd() override;
  HICON icon() const { return icon_.get(); }

 private:
  std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool notify(DWORD action);
  void reloadIcon(UINT dpi);

  HINSTANCE module_;
  UniqueIcon icon_;
  std::wstring tip_;
  UINT taskbarCreated_ = 0;
  UINT exitRequest_ = 0;
  bool iconAdded_ = false;
  bool blockReason_ = false;
};

}  // namespace vellox::win32
