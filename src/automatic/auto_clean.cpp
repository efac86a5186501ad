#include "automatic/auto_clean.h"
#include <cctype>
#include <utility>
#include "automatic/auto_clean_steps.h"
#include "automatic/browser_rows.h"
#include "browsers/stopping_files.h"
#include "browsers/browser_settings.h"
#include "browsers/sqlite/database.h"
#include "windows_traces/trace_settings.h"

namespace vellox {

CleanBudget::CleanBudget(ShredControl& control, Clock clock, std::optional<TimePoint> until, std::string deadline)
    : control_(control), clock_(std::move(clock)), until_(until), deadline_(std::move(deadline)) {
  // A deadline also cuts a long shred short, after the write in progress.
  if (until_) control_.written = [this](std::uint64_t) { over(); };
}

bool CleanBudget::over() const {
  if (control_.stopped()) return true;
  if (!timeUp()) return false;
  control_.cancelled = true;
  return true;
}

std::string CleanBudget::reason() const {
  return timeUp() ? "not reached before " + deadline_ : "stopped before it was reached";
}

std::string CleanBudget::cutOffBy() const { return timeUp() ? deadline_ : "it was stopped"; }

namespace {

// The checked rows of one kind in the Browsers tab, after the system's own store of that kind.
CleanStep browserStep(Services& services, BrowserItem item, const AutoOptions& options) {
  std::string name = itemName(item);
  name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
  // Read here, on the window's thread, as the tab keeps them. Kept sites keep their site data too.
  const bool keeps = item == BrowserItem::Cookies || item == BrowserItem::SiteData;
  KeptSites kept = keeps ? storedKeptSites(services.settings) : KeptSites{};
  auto clean = [item, kept = std::move(kept), passes = options.securePasses](Services& s, CleanBudget& b,
                                                                             CleanReport& r) {
    cleanBrowserRows(s, item, kept, passes, b, r);
  };
  return {false, "Cleaning the browsers' " + name + "...", "browsers' " + name, std::move(clean)};
}

}  // namespace

std::vector<CleanStep> autoCleanSteps(Services& services, std::unique_ptr<CURLHistory>& historyStore,
                                      const AutoOptions& options) {
  std::vector<CleanStep> steps;
  // Cookies first: when time is short, they say the most about the user.
  if (options.cookies) {
    steps.push_back({false, "Deleting cookies...", "cookie folder",
                     [options](Services& s, CleanBudget& b, CleanReport& r) { cleanCookieFolder(s, options, b, r); }});
    steps.push_back(browserStep(services, BrowserItem::Cookies, options));
    // Site data recognises the user as cookies do, so it goes with them.
    steps.push_back(browserStep(services, BrowserItem::SiteData, options));
  }
  if (options.cache)
    steps.push_back({false, "Clearing cache...", "cache",
                     [options](Services& s, CleanBudget& b, CleanReport& r) { cleanUrlCache(s, options, b, r); }});
  if (options.cache) steps.push_back(browserStep(services, BrowserItem::Cache, options));
  if (options.history) {
    steps.push_back({true, "Clearing History...", "visited-URL history",
                     [&historyStore](Services& s, CleanBudget&, CleanReport& r) { clearHistoryStore(s, historyStore, r); }});
    steps.push_back(browserStep(services, BrowserItem::History, options));
  }
  if (options.tempFolder)
    steps.push_back({false, "Deleting temp folder contents...", "temporary folder",
                     [options](Services& s, CleanBudget& b, CleanReport& r) { clearTemporaryFolder(s, options, b, r); }});
  if (options.recycleBin)
    steps.push_back({true, "Emptying Recycle bin...", "Recycle Bin",
                     [](Services& s, CleanBudget&, CleanReport& r) { emptyTheRecycleBin(s, r); }});
  if (options.windowsTraces) {
    // Read here, on the window's thread, as the Windows tab keeps them.
    auto items = checkedTraceItems(storedTraceChoices(services.settings));
    steps.push_back({false, "Cleaning Windows traces...", "Windows traces",
                     [items = std::move(items), passes = options.securePasses](Services& s, CleanBudget& b,
                                                                               CleanReport& r) {
                       cleanWindowsTraces(s, items, passes, b, r);
                     }});
  }
  for (CleanStep& step : steps) step.services = &services;
  return steps;
}

void runCleanStep(const CleanStep& step, CleanBudget& budget, CleanReport& report) {
  if (budget.over()) {
    report.notReached.push_back(step.what);
    if (report.cutOff.empty()) report.cutOff = budget.cutOffBy();
    return;
  }
  const auto over = [&budget] { return budget.over(); };
  StoppingFiles files(step.services->files, over);
  Services services = withFiles(*step.services, files);
  sqlite::InterruptScope interrupt(over);
  step.clean(services, budget, report);
  if (files.refused() > 0 && report.cutOff.empty()) report.cutOff = budget.cutOffBy();
}

CleanReport runAutoClean(const std::vector<CleanStep>& steps, CleanBudget& budget,
                         const std::function<void(const std::string&)>& status) {
  CleanReport report;
  for (const CleanStep& step : steps) {
    if (status) status(step.status);
    runCleanStep(step, budget, report);
  }
  if (status) status("");
  return report;
}

}  // namespace vellox
