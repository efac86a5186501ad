#include "browsers/browsers_tab.h"
#include <algorithm>
#include "common/app_identity.h"
#include "browsers/browser_settings.h"
#include "browsers/browser_cleaning.h"
#include "browsers/browser_discovery.h"
#include "browsers/browser_jobs.h"
#include "browsers/keep_cookies_dialog.h"
#include "browsers/run_view.h"
#include "platform/settings_store.h"
#include "platform/ui.h"
#include "ui/views.h"

namespace vellox {

namespace {

enum BrowserColumn { kColProfile = 1, kColItem = 2, kColFound = 3 };

}  // namespace

BrowsersTab::BrowsersTab(BrowsersControls controls, Services& services, ProgramState& state,
                         const ShredLevel& level, TabHost& host)
    : BrowsersControls(controls), services_(services), state_(state), level_(level), host_(host) {
  const auto alive = host.alive();
  lstBrowsers.onCheckToggled = [this, alive](std::size_t row) {
    if (*alive) lstBrowsers_CheckToggled(row);
  };
  bindWhileOpen(cmdAnalyze.onClick, alive, [this] { cmdAnalyze_Click(); });
  bindWhileOpen(cmdClean.onClick, alive, [this] { cmdClean_Click(); });
  bindWhileOpen(cmdKeepCookies.onClick, alive, [this] { cmdKeepCookies_Click(); });
  followBrowserRun();
}

// The rows stay as they are while a job works on them; they are found again on the
// next visit of the tab.
void BrowsersTab::loadBrowsersList() {
  if (state_.browsersBusy()) return;
  BusyPointer busy(host_.mousePointer());
  browserRows_ = browserRows(
      findBrowserProfiles(services_.files, services_.systemFolders.appDataFolders(), scopeRule(services_)));
  const BrowserChoices choices =
      storedBrowserChoices(services_.settings);
  // "Found" takes what the short columns leave.
  const double shares[] = {0.2, 0.24, 0.14, 0.42};
  for (int column = 0; column < 4; ++column) lstBrowsers.setColumnWidth(column, lstBrowsers.width() * shares[column]);
  lstBrowsers.beginUpdate();
  lstBrowsers.clear();
  for (const BrowserRow& row : browserRows_) {
    const std::size_t index = lstBrowsers.addRow(row.profile.browser, row.key);
    lstBrowsers.setSubItem(index, kColProfile, profileText(row.profile));
    lstBrowsers.setSubItem(index, kColItem, itemName(row.item));
    // A refused folder says why at once, before any Analyze.
    if (!row.profile.refused.empty()) lstBrowsers.setSubItem(index, kColFound, "not cleaned: " + row.profile.refused);
    lstBrowsers.setChecked(index, choices.checked(row.profile.browser, row.profile.profile, row.item));
  }
  lstBrowsers.endUpdate();
}

// Each toggle is stored at once, over what the store holds, so rows of browsers
// that are not there now keep their choice.
void BrowsersTab::lstBrowsers_CheckToggled(std::size_t row) {
  if (row >= browserRows_.size()) return;
  const BrowserRow& toggled = browserRows_[row];
  BrowserChoices choices =
      storedBrowserChoices(services_.settings);
  choices.setChecked(toggled.profile.browser, toggled.profile.profile, toggled.item, lstBrowsers.checked(row));
  saveBrowserChoices(services_.settings, choices);
}

KeptSites BrowsersTab::keptSites() {
  return storedKeptSites(services_.settings);
}

void BrowsersTab::cmdAnalyze_Click() {
  if (state_.browsersBusy() || browserRows_.empty()) return;
  auto run = startBrowserRun();
  Files& files = services_.files;
  Processes& processes = services_.processes;
  state_.worker.run([&files, &processes, run, rows = browserRows_, kept = keptSites()](ShredControl& control) {
    analyzeRows(files, processes, rows, kept, *run, control);
    run->finish([] {});
  });
}

void BrowsersTab::cmdClean_Click() {
  if (state_.browsersBusy()) return;
  std::vector<BrowserRow> checked;
  for (std::size_t row = 0; row < browserRows_.size() && row < lstBrowsers.count(); ++row)
    if (lstBrowsers.checked(row)) checked.push_back(browserRows_[row]);
  if (checked.empty()) {
    services_.ui.messageBox("No item is checked.", kAppTitle, MsgIcon::Information, MsgButtons::Ok,
                            host_.owner());
    return;
  }
  const auto answer = services_.ui.messageBox("Clean the checked items?", kAppTitle, MsgIcon::Question,
                                              MsgButtons::YesNo, host_.owner());
  // The box let other events run: one of them may have started a job.
  if (answer != MsgAnswer::Yes || state_.browsersBusy()) return;
  auto run = startBrowserRun();
  Files& files = services_.files;
  Processes& processes = services_.processes;
  Ui& ui = services_.ui;
  state_.worker.run([&files, &processes, &ui, run, checked, rows = browserRows_, kept = keptSites(),
                     passes = level_.securePasses()](ShredControl& control) {
    const RowsCleaned cleaned = cleanRows(files, processes, checked, kept, *run, control, passes);
    // What is left shows in "Found" before the message does; after a stop, the window
    // analyzes again once the program is known to go on.
    analyzeRows(files, processes, rows, kept, *run, control);
    run->finish(
        [&ui, run, message = cleaned.message] {
          ui.messageBox(message, kAppTitle, MsgIcon::Information, MsgButtons::Ok, run->owner ? run->owner() : 0);
        },
        control.stopped());
  });
}

std::shared_ptr<BrowserRun> BrowsersTab::startBrowserRun() {
  auto run = std::make_shared<BrowserRun>(services_.ui);
  state_.browsers = run;
  for (std::size_t row = 0; row < lstBrowsers.count(); ++row) lstBrowsers.setSubItem(row, kColFound, "");
  followBrowserRun();
  // A wipe before it on the worker goes first.
  if (state_.wiping()) host_.setStatus("Waiting for the wipe to end...");
  return run;
}

// Binds this window to the running Analyze or Clean, if any, and shows its state.
void BrowsersTab::followBrowserRun() {
  if (!state_.browsersBusy()) return;
  auto& run = *state_.browsers;
  const auto live = showRunIn(run, host_, lstBrowsers, kColFound);
  run.onEnded = [this, live, &run] {
    if (!live()) return;
    showBrowsersRunning(false);
    if (run.stopped() && !run.silenced()) cmdAnalyze_Click();
  };
  showBrowsersRunning(true);
}

void BrowsersTab::showBrowsersRunning(bool running) {
  cmdAnalyze.setEnabled(!running);
  cmdClean.setEnabled(!running);
  cmdKeepCookies.setEnabled(!running);
  if (!running) host_.setStatus("");
}

void BrowsersTab::cmdKeepCookies_Click() {
  if (keepCookies_) return;
  std::vector<std::string> sites;
  {
    BusyPointer busy(host_.mousePointer());
    sites = cookieSites(services_.files,
                        findBrowserProfiles(services_.files, services_.systemFolders.appDataFolders(),
                                            scopeRule(services_)));
  }
  std::weak_ptr<const bool> alive = host_.alive();
  auto closed = [this, alive](const std::vector<std::string>* kept) {
    if (auto live = alive.lock(); !live || !*live) return;
    if (kept) saveKeptSiteList(services_.settings, *kept);
    // The dialog goes once its handler has ended.
    services_.ui.post([this, alive] {
      if (auto live = alive.lock(); live && *live) keepCookies_.reset();
    });
  };
  keepCookies_ = std::make_unique<frmKeepCookies>(services_.views.createKeepCookies(host_.owner()),
                                                  std::move(sites),
                                                  storedKeptSiteList(services_.settings),
                                                  std::move(closed));
  keepCookies_->view().show();
}

}  // namespace vellox
