#pragma once
#include <functional>
#include <memory>
#include "ui/splash_view.h"

namespace vellox {

// The start-up window; its activation finishes the start-up.
class frmSplash {
 public:
  frmSplash(std::unique_ptr<SplashView> view, std::function<void()> finishStartUp);
  void Form_Load();
  void Form_Activate();
  SplashView& view() { return *view_; }

 private:
  std::unique_ptr<SplashView> view_;
  std::function<void()> finishStartUp_;
  bool activated_ = false;
};

}  // namespace vellox
