#include "app/application.h"
#include "app/app_identity.h"
#include "cookies/show_index_dat.h"
#include "history/history_store.h"
#include "platform/ui.h"
#include "ui/views.h"

namespace vellox {

namespace {
const char* kInstanceName = "Local\\TarnVellox.SingleInstance";
}

Application::Application(Services& services) : services_(services) {}

Application::~Application() = default;

StartResult Application::startUp() {
  instanceLock_ = services_.instance.acquire(kInstanceName);
  if (!instanceLock_) {
    services_.ui.messageBox(std::string(kAppTitle) + " is already running", kAppTitle, MsgIcon::Information,
                            MsgButtons::Ok);
    return StartResult::AlreadyRunning;
  }
  showIndexDat = true;

  tray_ = std::make_unique<frmtray>(*this, services_.views.createTray());
  if (!tray_->Form_Load()) {
    // Without the icon there would be no way to open the window or to end the program.
    services_.ui.messageBox(std::string(kAppTitle) +
                                " could not add its icon to the notification area and will close.",
                            kAppTitle, MsgIcon::Exclamation, MsgButtons::Ok);
    tray_.reset();
    return StartResult::NoTrayIcon;
  }

  createHistoryStore(services_);

  splash_ = std::make_unique<frmSplash>(services_.views.createSplash(), [this] { finishStartUp(); });
  splash_->Form_Load();
  splash_->view().show();
  return StartResult::Running;
}

void Application::finishStartUp() {
  loadMain();
  main_->loadUserPrefs();
  retiredSplash_ = std::move(splash_);
  services_.ui.post([this] { retiredSplash_.reset(); });
}

void Application::loadMain() {
  main_ = std::make_unique<frmmain>(services_, [this] { unloadMain(); });
}

void Application::showMain(std::optional<int> tab) {
  if (!main_) loadMain();
  main_->view().show();
  main_->Form_Activate();
  if (tab && main_) main_->SSTab1.select(*tab);
}

void Application::unloadMain() {
  if (!main_) return;
  main_->Form_QueryUnload();
  retiredMains_.push_back(std::move(main_));
  retireLater();
}

void Application::retireLater() {
  services_.ui.post([this] { retiredMains_.clear(); });
}

void Application::exitSequence() {
  if (services_.ui.messageBox("Do you wish to end the application?", kAppTitle, MsgIcon::None,
                              MsgButtons::OkCancel) != MsgAnswer::Ok)
    return;
  unloadMain();
  tray_->removeIcon();
  ended_ = true;
  services_.ui.quit();
}

}  // namespace vellox
