#include "browsers/browser_jobs.h"
#include <algorithm>
#include "browsers/browser_cleaning.h"
#include "browsers/found_text.h"
#include "browsers/sqlite/database.h"
#include "browsers/stopping_files.h"

namespace vellox {

namespace {

std::string rowName(const BrowserRow& row) {
  return row.profile.browser + " (" + row.profile.profile + "): " + itemName(row.item);
}

std::string turn(const char* doing, const BrowserRow& row, std::size_t index, std::size_t count) {
  return std::string(doing) + " " + rowName(row) + ", " + std::to_string(index + 1) + " of " +
         std::to_string(count);
}

std::string runningLine(const std::string& browser) {
  return browser + " is running. Close it and press Clean again.";
}

}  // namespace

std::vector<BrowserRow> browserRows(const std::vector<BrowserProfile>& profiles) {
  std::vector<BrowserRow> rows;
  for (const auto& profile : profiles)
    for (BrowserItem item : kBrowserItems)
      rows.push_back({profile, item, profile.browser + "\n" + profile.profile + "\n" + itemName(item)});
  return rows;
}

void analyzeRows(Files& files, const std::vector<BrowserRow>& rows, const KeptSites& kept, BrowserRun& run,
                 const ShredControl& control) {
  sqlite::InterruptScope interrupt([&control] { return control.stopped(); });
  for (std::size_t i = 0; i < rows.size() && !control.stopped(); ++i) {
    run.status(turn("Analyzing", rows[i], i, rows.size()));
    run.found(rows[i].key, analyzeItem(files, rows[i].profile, rows[i].item, kept).found);
  }
}

// cleanItem looks at the profile's locks first: while its browser runs, none of its
// rows is touched, and the browser is named once. A stop ends the row in progress within one
// file or one database statement: its files are refused and its statement interrupted.
RowsCleaned cleanRows(Files& files, const std::vector<BrowserRow>& rows, const KeptSites& kept, BrowserRun& run,
                      const ShredControl& control, int securePasses) {
  const auto stopped = [&control] { return control.stopped(); };
  StoppingFiles guarded(files, stopped);
  sqlite::InterruptScope interrupt(stopped);
  std::vector<std::string> cleaned, running, problems;
  std::size_t done = 0, cut = 0;
  for (; done < rows.size() && !control.stopped(); ++done) {
    const BrowserRow& row = rows[done];
    run.status(turn("Cleaning", row, done, rows.size()));
    const std::size_t refusedBefore = guarded.refused();
    const ItemCleaned result = cleanItem(guarded, row.profile, row.item, kept, securePasses);
    if (result.state == StoreState::Stopped || guarded.refused() > refusedBefore) cut = 1;
    if (result.state == StoreState::Running) {
      if (std::find(running.begin(), running.end(), row.profile.browser) == running.end())
        running.push_back(row.profile.browser);
    } else if (result.state == StoreState::Unreadable) {
      problems.push_back(rowName(row) + ": " + result.reason);
    } else if (!result.cleaned.empty()) {
      cleaned.push_back(rowName(row) + ": " + result.cleaned);
    }
  }
  const std::size_t notReached = rows.size() - done + cut;
  std::string message = notReached > 0 ? "Stopped: " + counted(notReached, "item", "items") + " not reached\n\n" : "";
  message += cleaned.empty() ? "Nothing was cleaned." : "Cleaned:";
  for (const auto& line : cleaned) message += "\n" + line;
  if (!running.empty() || !problems.empty()) message += "\n";
  for (const auto& browser : running) message += "\n" + runningLine(browser);
  for (const auto& line : problems) message += "\nNot cleaned, " + line;
  return {message, notReached};
}

}  // namespace vellox
