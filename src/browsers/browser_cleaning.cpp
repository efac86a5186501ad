#include "browsers/browser_cleaning.h"
#include <algorithm>
#include <set>
#include "browsers/bookmarked_pages.h"
#include "browsers/cookie_store.h"
#include "browsers/file_items.h"
#include "browsers/found_text.h"
#include "browsers/history_store.h"
#include "browsers/running_browsers.h"
#include "browsers/site_data.h"

namespace vellox {

namespace {

bool heldWithoutSharing(Files& files, const std::string& path) {
  std::string nothing;
  return files.readFile(path, nothing, 0).code == FileErrc::InUse;
}

bool lockHeld(Files& files, const BrowserProfile& profile) {
  if (profile.family == BrowserFamily::Firefox) {
    std::string lock = profile.folder;
    if (lock.empty() || lock.back() != files.separator()) lock += files.separator();
    return heldWithoutSharing(files, lock + "parent.lock");
  }
  const auto held = [&](const std::string& path) { return heldWithoutSharing(files, path); };
  return std::any_of(profile.cookies.databases.begin(), profile.cookies.databases.end(), held) ||
         std::any_of(profile.history.databases.begin(), profile.history.databases.end(), held);
}

ItemFindings findingsOf(const StoreOutcome& outcome) {
  if (outcome.state == StoreState::Running) return {outcome.state, "in use: " + outcome.reason};
  if (outcome.state == StoreState::Stopped) return {outcome.state, outcome.reason};
  return {outcome.state, "unreadable: " + outcome.reason};
}

ItemCleaned cleanedOf(const StoreOutcome& outcome) { return {outcome.state, "", outcome.reason, {}}; }

void addNotes(ItemCleaned& cleaned, const std::vector<std::string>& notes) {
  for (const auto& note : notes)
    if (std::find(cleaned.notes.begin(), cleaned.notes.end(), note) == cleaned.notes.end())
      cleaned.notes.push_back(note);
}

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
  return {StoreState::Ready,
          withNotes(tally.files == 0 ? "nothing" : filesFound(tally, withSize), linkNotes(item, files.separator()))};
}

ItemCleaned cleanFiles(Files& files, const ItemPaths& item, int securePasses, bool withSize) {
  return {StoreState::Ready, filesGone(deleteFiles(files, item, securePasses), withSize), "",
          linkNotes(item, files.separator())};
}

ItemFindings analyzeSiteData(Files& files, const BrowserProfile& profile, const KeptSites& kept) {
  const SiteDataPlan plan = planSiteData(files, profile, kept);
  ItemFindings found = analyzeFiles(files, plan.doomed, true);
  if (!plan.leftWhole.empty()) found.found += " (" + leftWholeNote(plan.leftWhole) + ")";
  return found;
}

ItemCleaned cleanCookieStores(const BrowserProfile& profile, const KeptSites& kept) {
  std::uint64_t removed = 0;
  ItemCleaned cleaned;
  for (const auto& path : profile.cookies.databases) {
    std::uint64_t gone = 0;
    const StoreOutcome outcome = cleanCookies(path, profile, kept, gone);
    removed += gone;
    if (!outcome.ok()) return cleanedOf(outcome);
    addNotes(cleaned, outcome.notes);
  }
  cleaned.cleaned = removed == 0 ? "" : counted(removed, "cookie", "cookies");
  return cleaned;
}

// Icons go once the history has: the bookmarks left then tell which icons stay. Bookmarks that
// cannot be read leave the icons as they are.
void cleanIcons(Files& files, const BrowserProfile& profile, ItemCleaned& cleaned) {
  const auto kept = bookmarkedPages(files, profile);
  for (const auto& path : profile.history.databases) {
    if (!isFaviconStore(path)) continue;
    if (!kept) {
      addNotes(cleaned, {"icons not cleaned: the bookmarks could not be read"});
      return;
    }
    const StoreOutcome outcome = cleanFavicons(path, profile, *kept);
    addNotes(cleaned, outcome.ok() ? outcome.notes : std::vector<std::string>{"icons not cleaned: " + outcome.reason});
  }
}

// The databases first: while they cannot be cleaned, their companion files stay with them.
ItemCleaned cleanHistoryItem(Files& files, const BrowserProfile& profile, int securePasses) {
  std::uint64_t pages = 0;
  ItemCleaned cleaned;
  for (const auto& path : profile.history.databases) {
    if (isFaviconStore(path)) continue;
    std::uint64_t gone = 0;
    const StoreOutcome outcome = cleanHistory(path, profile, gone);
    pages += gone;
    if (!outcome.ok()) return cleanedOf(outcome);
    addNotes(cleaned, outcome.notes);
  }
  cleanIcons(files, profile, cleaned);
  const FileTally gone = deleteFiles(files, profile.history, securePasses);
  cleaned.cleaned = pages > 0 ? counted(pages, "page", "pages") : filesGone(gone, false);
  return cleaned;
}

ItemCleaned cleanSiteData(Files& files, const BrowserProfile& profile, const KeptSites& kept, int securePasses) {
  const SiteDataPlan plan = planSiteData(files, profile, kept);
  ItemCleaned cleaned = cleanFiles(files, plan.doomed, securePasses, true);
  if (!plan.leftWhole.empty()) cleaned.notes.push_back(leftWholeNote(plan.leftWhole));
  return cleaned;
}

}  // namespace

bool profileInUse(Files& files, Processes& processes, const BrowserProfile& profile) {
  return lockHeld(files, profile) || browserProgramRunning(processes.running(), profile);
}

ItemFindings analyzeItem(Files& files, Processes& processes, const BrowserProfile& profile, BrowserItem item,
                         const KeptSites& kept) {
  if (!profile.refused.empty()) return {StoreState::Unreadable, "not cleaned: " + profile.refused};
  if (profileInUse(files, processes, profile))
    return {StoreState::Running, "in use: " + profile.browser + " is running"};
  switch (item) {
    case BrowserItem::Cookies: return analyzeCookies(files, profile, kept);
    case BrowserItem::SiteData: return analyzeSiteData(files, profile, kept);
    case BrowserItem::History: return analyzeHistory(files, profile);
    case BrowserItem::Cache: return analyzeFiles(files, profile.cache, true);
    case BrowserItem::Session: return analyzeFiles(files, profile.session, false);
  }
  return {};
}

ItemCleaned cleanItem(Files& files, Processes& processes, const BrowserProfile& profile, BrowserItem item,
                      const KeptSites& kept, int securePasses) {
  if (!profile.refused.empty()) return {StoreState::Unreadable, "", profile.refused, {}};
  if (profileInUse(files, processes, profile)) return {StoreState::Running, "", profile.browser + " is running", {}};
  switch (item) {
    case BrowserItem::Cookies: return cleanCookieStores(profile, kept);
    case BrowserItem::SiteData: return cleanSiteData(files, profile, kept, securePasses);
    case BrowserItem::History: return cleanHistoryItem(files, profile, securePasses);
    case BrowserItem::Cache: return cleanFiles(files, profile.cache, securePasses, true);
    case BrowserItem::Session: return cleanFiles(files, profile.session, securePasses, false);
  }
  return {};
}

std::string cleanedText(const ItemCleaned& cleaned) { return withNotes(cleaned.cleaned, cleaned.notes); }

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
