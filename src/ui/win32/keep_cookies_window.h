#pragma once
#include <windows.h>
#include "ui/keep_cookies_view.h"
#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_list_box.h"
#include "ui/win32/window.h"

namespace vellox::win32 {

// The "Cookies to Keep" dialog: modeless, with its owner disabled while it shows.
class Win32KeepCookiesView : public KeepCookiesView, public Dialog {
 public:
  Win32KeepCookiesView(HINSTANCE module, HWND owner);
  ~Win32KeepCookiesView() override;

  KeepCookiesControls& controls() override { return controls_; }
  void show() override;
  void close() override;
  bool visible() const override { return IsWindowVisible(hwnd()) != 0; }

  Win32ListBox lstSites, lstKept;
  Win32Button cmdKeep, cmdRemove, cmdOk, cmdCancel;

 private:
  std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND owner_;
  bool ownerDisabled_ = false;
  KeepCookiesControls controls_{lstSites, lstKept, cmdKeep, cmdRemove, cmdOk, cmdCancel};
};

}  // namespace vellox::win32
