#pragma once
#include <windows.h>
#include "ui/splash_view.h"
#include "ui/win32/picture.h"
#include "ui/win32/window.h"

namespace vellox::win32 {

// frmSplash's window: the artwork and three labels, shown while start-up ends.
class Win32SplashView : public SplashView, public Dialog {
 public:
  explicit Win32SplashView(HINSTANCE module);

  void setAction(const std::string& text) override;
  std::string action() const override;
  void setVersion(const std::string& text) override;
  std::string version() const override;
  void setGeneral(const std::string& text) override;
  std::string general() const override;
  void show() override;

 private:
  std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void activated();

  Picture picture_;
  bool shown_ = false;
  bool fired_ = false;
};

}  // namespace vellox::win32
