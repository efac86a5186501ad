#pragma once
#include <string>
#include <vector>
#include "browsers/browser_profile.h"
#include "browsers/kept_sites.h"
#include "platform/files.h"

namespace vellox {

// Every call opens its own connections and keeps nothing between calls, so a worker thread
// may make them while the window goes on.

// Stopped: a stop or a deadline interrupted the store; what it was doing was rolled back.
enum class StoreState { Ready, Running, Unreadable, Stopped };

// One row's "Found" column.
struct ItemFindings {
  StoreState state = StoreState::Ready;
  // "1,234 cookies from 87 sites (3 kept)", "5,678 pages", "312 MB in 4,410 files", "4 files",
  // "in use: Chrome is running", "unreadable: not a database", "nothing"
  std::string found;
};

struct ItemCleaned {
  StoreState state = StoreState::Ready;
  std::string cleaned;  // what went: "1,231 cookies", "5,678 pages", "312 MB in 4,410 files"; empty when nothing did
  std::string reason;   // when not Ready: "Chrome is running", "not a database"
};

// Whether the profile's browser is running, told by the locks it holds, never by process
// names: a Chromium browser holds its cookie and history databases open without sharing,
// Firefox holds "parent.lock" that way (one that can be opened was left by a crash).
bool profileInUse(Files& files, const BrowserProfile& profile);

// Counts what the item holds without changing anything.
ItemFindings analyzeItem(Files& files, const BrowserProfile& profile, BrowserItem item, const KeptSites& kept);

// Empties the item. Databases keep their files and lose only rows, overwritten in place;
// nothing of a running browser is touched. With `securePasses` above 0 the files that go
// are shredded with that many passes first.
ItemCleaned cleanItem(Files& files, const BrowserProfile& profile, BrowserItem item, const KeptSites& kept,
                      int securePasses = 0);

// Every site with cookies in any of the profiles, each once, sorted, as siteOf gives it.
// A store that cannot be read gives nothing.
std::vector<std::string> cookieSites(Files& files, const std::vector<BrowserProfile>& profiles);

}  // namespace vellox
