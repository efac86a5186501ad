#include "windows_traces/trace_cleaning.h"
#include <algorithm>
#include "browsers/found_text.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system_folders.h"
#include "windows_traces/recent_docs.h"
#include "windows_traces/registry_backup.h"
#include "windows_traces/registry_traces.h"
#include "windows_traces/trace_files.h"

namespace vellox {

namespace {

std::string named(TraceItem item, const std::string& text) { return std::string(traceInfo(item).name) + ": " + text; }

bool has(const std::vector<TraceItem>& items, TraceItem item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

void cleanFiles(Services& services, TraceItem item, int passes, TracesCleaned& result) {
  const TraceFiles found = findTraceFiles(services.files, scopeRule(services), item);
  const FileTally before = measureFiles(services.files, found.paths);
  // A report's own folder is named after the program that crashed: it goes with the report.
  const FileTally gone = deleteFiles(services.files, found.paths, passes,
                                     item == TraceItem::ErrorReports ? Subfolders::Remove : Subfolders::Keep);
  if (gone.files > 0) result.cleaned.push_back(named(item, filesFound(item, gone, 0)));
  if (found.inUse > 0) result.notCleaned.push_back(named(item, counted(found.inUse, "file", "files") + " in use"));
  if (before.files > gone.files)
    result.notCleaned.push_back(named(item, counted(before.files - gone.files, "file", "files") + " could not be deleted"));
  for (const auto& note : linkNotes(found.paths, services.files.separator()))
    result.notCleaned.push_back(named(item, note));
}

void cleanClipboard(Shell& shell, TracesCleaned& result) {
  if (!shell.clipboardHasData()) return;
  if (shell.emptyClipboard()) result.cleaned.push_back(named(TraceItem::Clipboard, "emptied"));
  else result.notCleaned.push_back(named(TraceItem::Clipboard, "another program holds it"));
}

struct RegistryWork {
  TraceItem item;
  RegistryCount count;
  RegistryPlan plan;
};

// The plan was saved in the backup before this runs; without a backup nothing goes.
void cleanRegistry(Registry& registry, const RegistryWork& work, bool backedUp, TracesCleaned& result) {
  if (work.plan.empty()) return;
  if (!backedUp) {
    result.notCleaned.push_back(named(work.item, "the backup could not be written, so nothing was removed"));
    return;
  }
  const RegistryRemoved removed = removePlanned(registry, work.plan);
  if (removed.removed > 0) result.cleaned.push_back(named(work.item, registryFound(work.item, work.count)));
  if (removed.failed > 0)
    result.notCleaned.push_back(named(work.item, counted(removed.failed, "entry", "entries") + " could not be removed"));
}

}  // namespace

std::string analyzeTrace(Services& services, TraceItem item) {
  if (isRegistryItem(item)) return registryFound(item, countRegistryItem(services.registry, item));
  if (item == TraceItem::Clipboard) return services.shell.clipboardHasData() ? "holds data" : "nothing";
  const TraceFiles found = findTraceFiles(services.files, scopeRule(services), item);
  return withNotes(filesFound(item, measureFiles(services.files, found.paths), found.inUse),
                   linkNotes(found.paths, services.files.separator()));
}

TracesCleaned cleanTraces(Services& services, const std::vector<TraceItem>& items, const std::string& localTime,
                          int securePasses, const ShredControl& control,
                          const std::function<void(const std::string&)>& status) {
  TracesCleaned result;
  std::vector<RegistryWork> work;
  std::vector<KeyValues> backup;
  for (TraceItem item : items) {
    if (!isRegistryItem(item)) continue;
    work.push_back({item, countRegistryItem(services.registry, item), planRegistryItem(services.registry, item)});
    const auto keys = work.back().plan.backup();
    backup.insert(backup.end(), keys.begin(), keys.end());
  }
  // The shell's clearing takes Explorer's whole recent-documents key: it is saved too, and
  // what the user did not choose is put back after it.
  const bool clearShell = has(items, TraceItem::RecentItems);
  const RecentDocs recent = clearShell ? readRecentDocs(services.registry) : RecentDocs{};
  backup.insert(backup.end(), recent.keys.begin(), recent.keys.end());
  bool backedUp = true;
  if (!backup.empty()) {
    FileStatus written;
    result.backupPath = writeRegistryBackup(services.files, backupFolder(services.systemFolders, services.files),
                                            localTime, backup, written);
    backedUp = !result.backupPath.empty();
    if (!backedUp) result.notCleaned.push_back("Registry backup: " + written.description);
  }
  const auto& all = traceItems();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const TraceItem item = all[i].item;
    if (!has(items, item)) continue;
    if (control.stopped()) {
      result.notCleaned.push_back(named(item, "stopped before it was reached"));
      continue;
    }
    if (status) status(std::string("Cleaning ") + all[i].name + "...");
    if (isFileItem(item)) cleanFiles(services, item, securePasses, result);
    if (item == TraceItem::Clipboard) cleanClipboard(services.shell, result);
    for (const auto& w : work)
      if (w.item == item) cleanRegistry(services.registry, w, backedUp, result);
  }
  if (clearShell && !control.stopped()) {
    if (backedUp) {
      services.shell.clearRecentDocuments();
      putBackRecentDocs(services.registry, recent, has(items, TraceItem::ExplorerHistory));
    } else {
      result.notCleaned.push_back("Explorer's own recent list: not cleared, as its key could not be backed up");
    }
  }
  return result;
}

std::string tracesMessage(const TracesCleaned& result) {
  std::string message = result.cleaned.empty() ? "Nothing was cleaned." : "Cleaned:";
  for (const auto& line : result.cleaned) message += "\n" + line;
  if (!result.notCleaned.empty()) message += "\n";
  for (const auto& line : result.notCleaned) message += "\nNot cleaned, " + line;
  if (!result.backupPath.empty())
    message += "\n\nWhat left the registry was saved in " + result.backupPath + "; open it to put it back.";
  return message;
}

}  // namespace vellox
