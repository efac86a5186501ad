#include "app/frmtray.h"
#include "app/app_identity.h"
#include "app/application.h"
#include "ui/main_view.h"

namespace vellox {

frmtray::frmtray(Application& app, std::unique_ptr<TrayView> view) : app_(app), view_(std::move(view)) {
  view_->onIconEvent = [this](std::uint32_t message) { trayMouseEvent(message); };
}

bool frmtray::Form_Load() { return view_->addIcon(kAppTitle); }

void frmtray::removeIcon() { view_->removeIcon(); }

void frmtray::trayMouseEvent(std::uint32_t message) {
  switch (message) {
    case kWmLButtonDown:
    case kWmRButtonUp:
      popUpMenu();
      break;
    case kWmLButtonDblClk:
      app_.showMain(std::nullopt);
      break;
    default:
      break;
  }
}

void frmtray::popUpMenu() {
  switch (view_->popupMenu()) {
    case TrayMenuItem::Show:
      mnushow_Click();
      break;
    case TrayMenuItem::About:
      mnuabout_Click();
      break;
    case TrayMenuItem::Exit:
      mnuexit_Click();
      break;
    case TrayMenuItem::None:
      break;
  }
}

void frmtray::mnushow_Click() { app_.showMain(kTabSecureWipe); }

void frmtray::mnuabout_Click() { app_.showMain(kTabAbout); }

void frmtray::mnuexit_Click() { app_.exitSequence(); }

}  // namespace vellox
