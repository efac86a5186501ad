#include "automatic/auto_clean_steps.h"
#include <cstdio>
#include "common/registry_values.h"
#include "browsers/found_text.h"
#include "cache/cache_entries.h"
#include "cookies/cookie_files.h"
#include "history/history_store.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/system_folders.h"
#include "system_areas/temp_clear.h"
#include "erase/scope_rule.h"
#include "system_areas/temp_folder_guard.h"

namespace vellox {

namespace {

// Files or entries a step did not remove, and why.
void reportLeft(CleanReport& report, const std::string& what, std::size_t left, const char* one, const char* many,
                const CleanBudget& budget) {
  if (left == 0) return;
  report.skipped.push_back(what + ": " + counted(left, one, many) + " " +
                           (budget.over() ? budget.reason() : "could not be deleted"));
  if (budget.over() && report.cutOff.empty()) report.cutOff = budget.cutOffBy();
}

// The folder's own settings file, which the shell keeps there.
bool isFolderSettings(SystemFolders& system, const DirEntry& entry) { return system.sameName(entry.name, "desktop.ini"); }

std::string hex(HResult hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
  return text;
}

}  // namespace

void cleanCookieFolder(Services& services, const AutoOptions& options, CleanBudget& budget, CleanReport& report) {
  long error = kRegOk;
  std::string folder = getRegValueQuietly(services, RegRoot::CurrentUser, kShellFoldersKey, kCookiesValue, error);
  if (error != kRegOk) {
    report.skipped.push_back("cookie folder: its Shell Folders value could not be read (" +
                             oneLine(lastErrorText(services, error)) + ")");
    return;
  }
  // Checked and cleaned where it really leads, so the two cannot differ.
  const FolderLookup lookup = services.systemFolders.resolve(folder);
  if (lookup.state != FolderState::Folder) {
    report.skipped.push_back("cookie folder \"" + folder + "\": not found");
    return;
  }
  // The cookie folder comes from a value anything can change: without asking, only the
  // system's own is cleaned.
  if (auto refused = cookieFolderRefusal(scopeRule(services), lookup.finalPath)) {
    report.skipped.push_back("cookie folder \"" + folder + "\": " + *refused);
    return;
  }
  const char separator = services.files.separator();
  folder = lookup.finalPath;
  if (folder.back() != separator) folder += separator;
  std::size_t deleted = 0, left = 0;
  for (const DirEntry& entry : services.files.readFolder(folder).entries) {
    if (!isCookieFile(entry, false) || isFolderSettings(services.systemFolders, entry)) continue;
    if (!budget.over() && removeCookieFile(services.files, folder + entry.name, options.securePasses)) ++deleted;
    else ++left;
  }
  report.cleaned.push_back("cookie folder: " + counted(deleted, "file", "files"));
  reportLeft(report, "cookie folder", left, "file", "files", budget);
}

void cleanUrlCache(Services& services, const AutoOptions& options, CleanBudget& budget, CleanReport& report) {
  std::size_t removed = 0, kept = 0, left = 0;
  for (const CacheEntry& entry : readCacheEntries(services.urlCache)) {
    if (keptByClearCache(entry.url, options.cachedPasswords)) ++kept;
    else if (!budget.over() && removeCacheEntry(services.files, services.urlCache, entry, options.securePasses))
      ++removed;
    else ++left;
  }
  report.cleaned.push_back("cache: " + counted(removed, "entry", "entries"));
  if (kept > 0)
    report.skipped.push_back("cache: " + counted(kept, "entry", "entries") +
                             " holding \"Cookie\" kept, as \"Delete Cached passwords\" is not checked");
  reportLeft(report, "cache", left, "entry", "entries", budget);
}

void clearHistoryStore(Services& services, std::unique_ptr<CURLHistory>& historyStore, CleanReport& report) {
  HResult hr = ensureHistoryStore(historyStore, services);
  if (!failed(hr)) hr = historyStore->Clear();
  if (failed(hr))
    report.skipped.push_back("visited-URL history: the store could not be cleared (error " + hex(hr) + ")");
  else
    report.cleaned.push_back("visited-URL history");
}

void clearTemporaryFolder(Services& services, const AutoOptions& options, CleanBudget& budget, CleanReport& report) {
  const std::string path = services.files.tempPath();
  if (path.empty()) {
    report.skipped.push_back("temporary folder: the system names none");
    return;
  }
  if (auto refused = tempFolderRefusal(scopeRule(services), path)) {
    report.skipped.push_back("temporary folder: " + oneLine(*refused));
    return;
  }
  const int passes = options.securePasses > 0 ? options.securePasses : kTempPasses;
  const TempCleared cleared = clearTempContents(services.files, path, passes, budget.control());
  report.cleaned.push_back("temporary folder: " + counted(cleared.removed, "file", "files"));
  if (cleared.left > 0 && budget.over())
    reportLeft(report, "temporary folder", cleared.left, "file", "files", budget);
  else if (cleared.left > 0)
    report.skipped.push_back("temporary folder: " + counted(cleared.left, "file", "files") + " in use or refused");
}

void emptyTheRecycleBin(Services& services, CleanReport& report) {
  if (services.shell.emptyRecycleBin(false))
    report.cleaned.push_back("Recycle Bin");
  else
    report.skipped.push_back("Recycle Bin: the shell reported no success (it may have been empty)");
}

}  // namespace vellox
