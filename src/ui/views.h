#pragma once
#include <cstdint>
#include <memory>
#include "ui/keep_cookies_view.h"
#include "ui/main_view.h"
#include "ui/splash_view.h"
#include "ui/tray_view.h"

namespace vellox {

// Creates the program's windows; each view is destroyed with its object.
class ViewFactory {
 public:
  virtual ~ViewFactory() = default;
  virtual std::unique_ptr<TrayView> createTray() = 0;
  virtual std::unique_ptr<SplashView> createSplash() = 0;
  virtual std::unique_ptr<MainView> createMain() = 0;
  // Hidden until shown; `owner` is the native window it belongs to (0: none).
  virtual std::unique_ptr<KeepCookiesView> createKeepCookies(std::uintptr_t owner) = 0;
};

}  // namespace vellox
