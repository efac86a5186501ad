#pragma once
#include <windows.h>
#include "ui/splash_view.h"
#include "ui/win32/picture.h"

namespace vellox::win32 {

// frmSplash's window: the artwork and three labels, shown while start-up ends.
class Win32SplashView : public SplashView {
 public:
  explicit Win32SplashView(HINSTANCE module);
  ~Win32SplashView() override;
  Win32SplashView(const Win32SplashView&) = delete;
  Win32SplashView& operator=(const Win32SplashView&) = delete;

  void setAction(const std::string& text) override;
  std::string action() const override;
  void setVersion(const std::string& text) override;
  std::string version() const override;
  void setGeneral(const std::string& text) override;
  std::string general() const override;
  void show() override;
  HWND hwnd() const { return hwnd_; }

 private:
  static INT_PTR CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void activated();

  HWND hwnd_ = nullptr;
  Picture picture_;
  bool shown_ = false;
  bool fired_ = false;
};

}  // namespace vellox::win32
