#include "app/splash.h"
#include "common/app_identity.h"
#include "app/publisher.h"

namespace vellox {

frmSplash::frmSplash(std::unique_ptr<SplashView> view, std::function<void()> finishStartUp)
    : view_(std::move(view)), finishStartUp_(std::move(finishStartUp)) {
  view_->onActivate.bind([this] { Form_Activate(); });
}

void frmSplash::Form_Load() {
  view_->setVersion("Version " + versionText());
  view_->setGeneral(kPublisherLine);
}

void frmSplash::Form_Activate() {
  // A message box raised while loading would reactivate the splash: finish once.
  if (activated_) return;
  activated_ = true;
  view_->setAction("Loading preferences...");
  finishStartUp_();
}

}  // namespace vellox
