#include "app/application.h"
#include <algorithm>
#include <utility>
#include "app/general_tab.h"
#include "automatic/clean_report.h"
#include "common/app_identity.h"
#include "history/history_store.h"
#include "platform/ui.h"
#include "ui/views.h"
#include "windows_traces/registry_backup.h"
#include "wipe/secure_wipe_tab.h"

namespace vellox {

namespace {
const char* kInstanceName = "Local\\TarnVellox.SingleInstance";
}

Application::Application(Services& services, SteadyClock clock)
    : services_(services), clock_(std::move(clock)) {}

Application::~Application() = default;

StartResult Application::startUp(const LaunchRequest& launch) {
  if (!launch.error.empty()) {
    services_.ui.messageBox(launch.error, kAppTitle, MsgIcon::Exclamation, MsgButtons::Ok);
    return StartResult::BadArguments;
  }
  instanceLock_ = services_.instance.acquire(kInstanceName);
  if (!instanceLock_) {
    if (launch.wipePath && services_.instance.handOff(kInstanceName, *launch.wipePath))
      return StartResult::AlreadyRunning;
    services_.ui.messageBox(std::string(kAppTitle) + " is already running", kAppTitle, MsgIcon::Information,
                            MsgButtons::Ok);
    return StartResult::AlreadyRunning;
  }
  state_.showIndexDat = true;
  dropOldBackups(services_.files, services_.systemFolders, localTimeText(std::chrono::system_clock::now()));
  // A path may come inside a handler's message loop: it waits for the queue.
  handOffListener_ = services_.instance.listen(kInstanceName, [this](const std::string& path) {
    services_.ui.post([this, path] { wipeFromShell(path); });
  });
  launchWipe_ = launch.wipePath;

  // At logon the shell may not take the icon yet: the tray form keeps trying
  // while start-up goes on.
  tray_ = std::make_unique<frmtray>(*this, services_.views.createTray(), clock_);
  tray_->Form_Load();

  createHistoryStore(state_.historyStore, services_);

  splash_ = std::make_unique<frmSplash>(services_.views.createSplash(), [this] { finishStartUp(); });
  splash_->Form_Load();
  splash_->view().show();
  return StartResult::Running;
}

// The splash's activation, or its fallback timer, can come inside another
// handler's message loop (a menu, a message box): the rest waits for the queue.
void Application::finishStartUp() {
  services_.ui.post([this] {
    if (ended_) return;
    // A window the user opened meanwhile has loaded the preferences already.
    if (!mainLoaded_) {
      loadMain();
      main_->loadUserPrefs();
    }
    actAtStartUp();
    startUpClean();
    splash_.reset();
    if (auto path = std::exchange(launchWipe_, std::nullopt)) wipeFromShell(*path);
  });
}

void Application::loadMain() {
  main_ = std::make_unique<frmmain>(services_, state_, [this] { unloadMain(); });
  mainLoaded_ = true;
}

void Application::showMain(std::optional<int> tab) {
  if (!main_) loadMain();
  main_->view().show();
  main_->Form_Activate();
  // Opened before start-up ended: its stored options act now, as they would have then.
  if (splash_) actAtStartUp();
  if (tab && main_) main_->SSTab1.select(*tab);
}

// "Empty Recycle Bin" and "Clear Temporary files" act once per run on their stored
// value, never again when the window is opened.
void Application::actAtStartUp() {
  if (std::exchange(actedAtStartUp_, true) || !main_) return;
  main_->tab<GeneralTab>().actAtStartUp();
}

void Application::wipeFromShell(const std::string& path) {
  if (ended_) return;
  showMain(kTabSecureWipe);
  if (main_) main_->tab<SecureWipeTab>().wipeFromShell(path);
}

void Application::unloadMain() {
  if (!main_) return;
  // Gone for the user at once: hidden and deaf to late clicks, so nothing of it
  // can reach a newer window, even while one of its handlers still runs.
  std::unique_ptr<frmmain> closing = std::move(main_);
  closing->retire();
  closing->Form_QueryUnload();
  retiredMains_.push_back(std::move(closing));
  retireLater();
}

void Application::retireLater() {
  services_.ui.post([this] { retiredMains_.clear(); });
}

void Application::exitSequence() {
  const bool wiping = state_.wiping();
  const auto answer =
      wiping ? services_.ui.messageBox("A wipe is running. Stop it and exit?", kAppTitle, MsgIcon::Exclamation,
                                       MsgButtons::OkCancel)
             : services_.ui.messageBox("Do you wish to end the application?", kAppTitle, MsgIcon::None,
                                       MsgButtons::OkCancel);
  if (answer == MsgAnswer::Ok) end();
}

// The box let the wipe end meanwhile, or not: either way nothing is left half-written.
void Application::end() {
  if (ended_) return;
  endingLock_ = services_.instance.acquire(kEndingLockName);
  const auto until = clock_() + kExitCleanTime;
  stopWipes(until);
  shutdownClean(CleanMoment::Exit, until);
  unloadMain();
  tray_->removeIcon();
  ended_ = true;
  services_.ui.quit();
}

// The file in progress gets its write finished and flushed and stays in place; the
// closing boxes of a wipe or of a browsers' Clean are not shown, as the program is ending.
void Application::stopWipes(std::optional<std::chrono::steady_clock::time_point> until) {
  if (state_.wipe) state_.wipe->silence();
  if (state_.browsers) state_.browsers->silence();
  cancelWorker(until);
}

void Application::cancelWorker(std::optional<std::chrono::steady_clock::time_point> until) {
  state_.worker.cancelAll();
  const auto patience = until ? std::chrono::duration_cast<std::chrono::milliseconds>(*until - clock_())
                              : std::chrono::milliseconds(std::chrono::hours(1));
  state_.worker.waitIdle(std::max(patience, std::chrono::milliseconds(0)));
}

void Application::trayIconRefused() {
  services_.ui.messageBox(std::string(kAppTitle) + " could not add its icon to the notification area and will close.",
                          kAppTitle, MsgIcon::Exclamation, MsgButtons::Ok);
  stopWipes();
  unloadMain();
  ended_ = true;
  services_.ui.quit();
}

}  // namespace vellox
