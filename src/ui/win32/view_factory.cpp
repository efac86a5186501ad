#include "ui/win32/view_factory.h"
#include "ui/win32/keep_cookies_window.h"
#include "ui/win32/main_window.h"
#include "ui/win32/splash_window.h"
#include "ui/win32/tray_window.h"

namespace vellox::win32 {

namespace {

class Win32ViewFactory : public ViewFactory {
 public:
  explicit Win32ViewFactory(HINSTANCE module) : module_(module) {}
  std::unique_ptr<TrayView> createTray() override { return std::make_unique<Win32TrayView>(module_); }
  std::unique_ptr<SplashView> createSplash() override { return std::make_unique<Win32SplashView>(module_); }
  std::unique_ptr<MainView> createMain() override { return std::make_unique<Win32MainView>(module_); }
  std::unique_ptr<KeepCookiesView> createKeepCookies(std::uintptr_t owner) override {
    return std::make_unique<Win32KeepCookiesView>(module_, reinterpret_cast<HWND>(owner));
  }

 private:
  HINSTANCE module_;
};

}  // namespace

std::unique_ptr<ViewFactory> makeViewFactory(HINSTANCE module) { return std::make_unique<Win32ViewFactory>(module); }

}  // namespace vellox::win32
