#include "browsers/browser_cleaning.h"
#include <algorithm>
#include <set>
#include "browsers/cookie_store.h"
#include "browsers/file_items.h"
#include "browsers/found_text.h"
#include "browsers/history_store.h"

namespace vellox {

namespace {

bool heldWithoutSharing(Files& files, const std::string& path) {
  std::string nothing;
  return files.readFile(path, nothing, 0).code == FileErrc::InUse;
}

ItemFindings findingsOf(const StoreOutcome& outcome) {
  if (outcome.state == StoreState::Running) return {outcome.state, "in use: " + outcome.reason};
  if (outcome.state == StoreState::Stopped) return {outcome.state, outcome.reason};
  return {outcome.state, "unreadable: " + outcome.reason};
}

ItemCleaned cleanedOf(const StoreOutcome& outcome) { return {outcome.state, "", outcome.reason}; }

std::string cookiesFound(const CookieCount& count) {
  std::string text = counted(count.cookies, "cookie", "cookies") + " from " + counted(count.sites.size(), "site", "sites");
  if (!count.kept.empty()) text += " (" + withThousands(count.kept.size()) + " kept)";
  return text;
}

std::string filesFound(const FileTally& tally, bool withSize) {
  const std::string files = counted(tally.files, "file", "files");
  return withSize ? sizeText(tally.bytes) + " in " + files : files;
}

// What went, for the closing message; nothing at all says nothing.
std::string filesGone(const FileTally& tally, bool withSize) { return tally.files == 0 ? "" : filesFound(tally, withSize); }

ItemFindings analyzeCookies(Files&, const BrowserProfile& profile, const KeptSites& kept) {
  CookieCount count;
  for (const auto& path : profile.cookies.databases)
    if (StoreOutcome outcome = countCookies(path, profile, kept, count); !outcome.ok()) return findingsOf(outcome);
  return {StoreState::Ready, count.cookies == 0 ? "nothing" : cookiesFound(count)};
}

// The pages of the database; the plain files beside it are told only when there is no database.
ItemFindings analyzeHistory(Files& files, const BrowserProfile& profile) {
  std::uint64_t pages = 0;
  for (const auto& path : profile.history.databases) {
    std::uint64_t more = 0;
    if (StoreOutcome outcome = countPages(path, profile, more); !outcome.ok()) return findingsOf(outcome);
    pages += more;
  }
  if (pages > 0) return {StoreState::Ready, counted(pages, "page", "pages")};
  const FileTally tally = measureFiles(files, profile.history);
  return {StoreState::Ready, tally.files == 0 ? "nothing" : filesFound(tally, false)};
}

ItemFindings analyzeFiles(Files& files, const ItemPaths& item, bool withSize) {
  const FileTally tally = measureFiles(files, item);
  return {StoreState::Ready, tally.files == 0 ? "nothing" : filesFound(tally, withSize)};
}

ItemCleaned cleanCookieStores(const BrowserProfile& profile, const KeptSites& kept) {
  std::uint64_t removed = 0;
  for (const auto& path : profile.cookies.databases) {
    std::uint64_t gone = 0;
    const StoreOutcome outcome = cleanCookies(path, profile, kept, gone);
    removed += gone;
    if (!outcome.ok()) return cleanedOf(outcome);
  }
  return {StoreState::Ready, removed == 0 ? "" : counted(removed, "cookie", "cookies"), ""};
}

// The database first: while it cannot be cleaned, its companion files stay with it.
ItemCleaned cleanHistoryItem(Files& files, const BrowserProfile& profile, int securePasses) {
  std::uint64_t pages = 0;
  for (const auto& path : profile.history.databases) {
    std::uint64_t gone = 0;
    const StoreOutcome outcome = cleanHistory(path, profile, gone);
    pages += gone;
    if (!outcome.ok()) return cleanedOf(outcome);
  }
  const FileTally gone = deleteFiles(files, profile.history, securePasses);
  return {StoreState::Ready, pages > 0 ? counted(pages, "page", "pages") : filesGone(gone, false), ""};
}

}  // namespace

bool profileInUse(Files& files, const BrowserProfile& profile) {
  if (profile.family == BrowserFamily::Firefox) {
    std::string lock = profile.folder;
    if (lock.empty() || lock.back() != files.separator()) lock += files.separator();
    return heldWithoutSharing(files, lock + "parent.lock");
  }
  const auto held = [&](const std::string& path) { return heldWithoutSharing(files, path); };
  return std::any_of(profile.cookies.databases.begin(), profile.cookies.databases.end(), held) ||
         std::any_of(profile.history.databases.begin(), profile.history.databases.end(), held);
}

ItemFindings analyzeItem(Files& files, const BrowserProfile& profile, BrowserItem item, const KeptSites& kept) {
  if (profileInUse(files, profile)) return {StoreState::Running, "in use: " + profile.browser + " is running"};
  switch (item) {
    case BrowserItem::Cookies: return analyzeCookies(files, profile, kept);
    case BrowserItem::History: return analyzeHistory(files, profile);
    case BrowserItem::Cache: return analyzeFiles(files, profile.cache, true);
    case BrowserItem::Session: return analyzeFiles(files, profile.session, false);
  }
  return {};
}

ItemCleaned cleanItem(Files& files, const BrowserProfile& profile, BrowserItem item, const KeptSites& kept,
                      int securePasses) {
  if (profileInUse(files, profile)) return {StoreState::Running, "", profile.browser + " is running"};
  switch (item) {
    case BrowserItem::Cookies: return cleanCookieStores(profile, kept);
    case BrowserItem::History: return cleanHistoryItem(files, profile, securePasses);
    case BrowserItem::Cache:
      return {StoreState::Ready, filesGone(deleteFiles(files, profile.cache, securePasses), true), ""};
    case BrowserItem::Session:
      return {StoreState::Ready, filesGone(deleteFiles(files, profile.session, securePasses), false), ""};
  }
  return {};
}

std::vector<std::string> cookieSites(Files&, const std::vector<BrowserProfile>& profiles) {
  std::set<std::string> sites;
  for (const auto& profile : profiles) {
    for (const auto& path : profile.cookies.databases) {
      CookieCount count;
      if (countCookies(path, profile, KeptSites{}, count).ok()) sites.merge(count.sites);
    }
  }
  return {sites.begin(), sites.end()};
}

}  // namespace vellox
