#pragma once
#include <memory>
#include <vector>
#include "browsers/browser_jobs.h"
#include "browsers/keep_cookies_dialog.h"
#include "common/program_state.h"
#include "platform/services.h"
#include "ui/main_controls.h"
#include "ui/tab.h"
#include "wipe/shred_level.h"

namespace vellox {

class KeptSites;

// The Browsers tab: every browser profile's items, analysed and cleaned on the worker.
class BrowsersTab : public Tab, public BrowsersControls {
 public:
  static constexpr int kPage = kTabBrowsers;
  BrowsersTab(BrowsersControls controls, Services& services, ProgramState& state, const ShredLevel& level,
              TabHost& host);

  void shown() override { loadBrowsersList(); }

  void loadBrowsersList();
  void lstBrowsers_CheckToggled(std::size_t row);
  void cmdAnalyze_Click();
  void cmdClean_Click();
  void cmdKeepCookies_Click();
 private:
  // A running Analyze or Clean, on whichever window is open while it runs.
  void followBrowserRun();
  void showBrowsersRunning(bool running);
  KeptSites keptSites();
  std::shared_ptr<BrowserRun> startBrowserRun();

  Services& services_;
  ProgramState& state_;
  const ShredLevel& level_;
  TabHost& host_;
  // The rows, in the list's order.
  std::vector<BrowserRow> browserRows_;
  std::unique_ptr<frmKeepCookies> keepCookies_;
};

}  // namespace vellox
