#include "automatic/auto_clean.h"
#include <utility>
#include "automatic/auto_clean_steps.h"
#include "automatic/browser_rows.h"
#include "browsers/browser_settings.h"
#include "windows_traces/trace_settings.h"

namespace vellox {

CleanBudget::CleanBudget(ShredControl& control, Clock clock, std::optional<TimePoint> until)
    : control_(control), clock_(std::move(clock)), until_(until) {
  // A deadline also cuts a long shred short, after the write in progress.
  if (until_) control_.written = [this](std::uint64_t) {
    if (timeUp()) control_.cancelled = true;
  };
}

std::string CleanBudget::reason() const {
  return timeUp() ? "not reached before the session ended" : "stopped before it was reached";
}

namespace {

// The checked rows of one kind in the Browsers tab, after the system's own store of that kind.
CleanStep browserStep(Services& services, BrowserItem item, const AutoOptions& options) {
  const std::string name = item == BrowserItem::Cache ? "cache" : item == BrowserItem::History ? "history" : "cookies";
  // Read here, on the window's thread, as the tab keeps them.
  KeptSites kept = item == BrowserItem::Cookies ? storedKeptSites(services.settings) : KeptSites{};
  auto clean = [s = &services, item, kept = std::move(kept), passes = options.securePasses](CleanBudget& b,
                                                                                            CleanReport& r) {
    cleanBrowserRows(*s, item, kept, passes, b, r);
  };
  return {false, "Cleaning the browsers' " + name + "...", "browsers' " + name, std::move(clean)};
}

}  // namespace

std::vector<CleanStep> autoCleanSteps(Services& services, std::unique_ptr<CURLHistory>& historyStore,
                                      const AutoOptions& options) {
  std::vector<CleanStep> steps;
  Services* s = &services;
  // Cookies first: when time is short, they say the most about the user.
  if (options.cookies) {
    steps.push_back({false, "Deleting cookies...", "cookie folder",
                     [s, options](CleanBudget& b, CleanReport& r) { cleanCookieFolder(*s, options, b, r); }});
    steps.push_back(browserStep(services, BrowserItem::Cookies, options));
  }
  if (options.cache)
    steps.push_back({false, "Clearing cache...", "cache",
                     [s, options](CleanBudget& b, CleanReport& r) { cleanUrlCache(*s, options, b, r); }});
  if (options.cache) steps.push_back(browserStep(services, BrowserItem::Cache, options));
  if (options.history) {
    steps.push_back({true, "Clearing History...", "visited-URL history",
                     [s, &historyStore](CleanBudget&, CleanReport& r) { clearHistoryStore(*s, historyStore, r); }});
    steps.push_back(browserStep(services, BrowserItem::History, options));
  }
  if (options.tempFolder)
    steps.push_back({false, "Deleting temp folder contents...", "temporary folder",
                     [s, options](CleanBudget& b, CleanReport& r) { clearTemporaryFolder(*s, options, b, r); }});
  if (options.recycleBin)
    steps.push_back({true, "Emptying Recycle bin...", "Recycle Bin",
                     [s](CleanBudget&, CleanReport& r) { emptyTheRecycleBin(*s, r); }});
  if (options.windowsTraces) {
    // Read here, on the window's thread, as the Windows tab keeps them.
    auto items = checkedTraceItems(storedTraceChoices(services.settings));
    steps.push_back({false, "Cleaning Windows traces...", "Windows traces",
                     [s, items = std::move(items), passes = options.securePasses](CleanBudget& b, CleanReport& r) {
                       cleanWindowsTraces(*s, items, passes, b, r);
                     }});
  }
  return steps;
}

void runCleanStep(const CleanStep& step, CleanBudget& budget, CleanReport& report) {
  if (budget.over()) {
    report.skipped.push_back(step.what + ": " + budget.reason());
    return;
  }
  step.clean(budget, report);
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
