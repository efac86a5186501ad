#include "app/tray.h"
#include "common/app_identity.h"
#include "app/application.h"
#include "ui/main_view.h"

namespace vellox {

frmtray::frmtray(Application& app, std::unique_ptr<TrayView> view, SteadyClock clock)
    : app_(app), view_(std::move(view)), clock_(std::move(clock)) {
  view_->onIconEvent = [this](std::uint32_t message) { trayMouseEvent(message); };
  view_->onRetryTimer.bind([this] { retryIcon(); });
  view_->onTaskbarCreated.bind([this] { retryIcon(); });
  view_->onQueryEndSession = [this] { return queryEndSession(); };
  view_->onEndSession = [this](bool ending) { endSession(ending); };
  view_->onExitRequest.bind([this] { app_.end(); });
}

void frmtray::Form_Load() {
  if (view_->addIcon(kAppTitle)) return;
  retryUntil_ = clock_() + kIconRetryLimit;
  view_->startRetryTimer(kIconRetryInterval);
}

void frmtray::retryIcon() {
  if (!retryUntil_) return;
  const bool added = view_->addIcon(kAppTitle);
  if (!added && clock_() < *retryUntil_) return;
  retryUntil_.reset();
  view_->stopRetryTimer();
  if (!added) app_.trayIconRefused();
}

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

// A wipe asks Windows to wait, saying why: a file cut off mid-pass would stay
// half-overwritten.
bool frmtray::queryEndSession() {
  if (app_.state().wiping()) {
    view_->blockSessionEnd("Wiping files");
    return false;
  }
  // "Eliminate evidence on shutdown": Windows is told why it waits, and what fits in
  // its patience is cleaned, cookies first.
  if (app_.cleansAtShutdown()) {
    view_->blockSessionEnd(kSessionEndCleanReason);
    app_.shutdownClean(CleanMoment::SessionEnd, clock_() + kSessionEndCleanTime);
    view_->allowSessionEnd();
    sessionCleaned_ = true;
  }
  return true;
}

// Ending: the wipe stops after the write in progress, which reaches the device, and
// the file stays whole where it was. A session ended over a wipe has not been cleaned yet:
// its clean runs once the wipe has stopped, in what is left of Windows' patience; a start-up
// clean still running is logged as cut off.
void frmtray::endSession(bool ending) {
  if (ending) {
    const auto until = clock_() + kSessionEndCleanTime;
    app_.stopWipes(until);
    if (!sessionCleaned_) {
      if (app_.cleansAtShutdown()) view_->blockSessionEnd(kSessionEndCleanReason);
      app_.shutdownClean(CleanMoment::SessionEnd, until);
    }
  }
  // A session that goes on is cleaned again when it ends.
  sessionCleaned_ = false;
  view_->allowSessionEnd();
}

}  // namespace vellox
