#pragma once
#include <string>
#include <vector>
#include "browsers/browser_profile.h"
#include "browsers/browser_run.h"
#include "browsers/kept_sites.h"
#include "platform/files.h"
#include "wipe/shred_control.h"

namespace vellox {

// One row of the Browsers tab: an item of a profile.
struct BrowserRow {
  BrowserProfile profile;
  BrowserItem item = BrowserItem::Cookies;
  std::string key;  // names the row across windows: browser, profile and item
};

std::vector<BrowserRow> browserRows(const std::vector<BrowserProfile>& profiles);

// These run on the worker. Each row's "Found" goes to `run`, and each row's turn shows
// in its status; a cancel stops them between rows.
void analyzeRows(Files& files, const std::vector<BrowserRow>& rows, const KeptSites& kept, BrowserRun& run,
                 const ShredControl& control);
struct RowsCleaned {
  std::string message;
  std::size_t notReached = 0;  // rows a stop kept it from, the one it cut short included
};

// Cleans the rows, leaving whole every profile whose browser is running, and returns the
// closing message: what was cleaned, what was skipped and why, and first, after a stop, how
// many rows were not reached. With `securePasses` above 0 the files that go are shredded with
// that many passes first.
RowsCleaned cleanRows(Files& files, const std::vector<BrowserRow>& rows, const KeptSites& kept, BrowserRun& run,
                      const ShredControl& control, int securePasses = 0);

}  // namespace vellox
