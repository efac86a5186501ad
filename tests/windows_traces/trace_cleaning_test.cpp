#include <gtest/gtest.h>
#include "windows_traces/trace_cleaning.h"
#include "windows_traces/trace_files.h"
#include "trace_world.h"

namespace vellox::test {
namespace {

const std::string kRecentDocs = kExplorerKey + "\\RecentDocs";
const std::string kTime = "2026-01-05 14:30:12";

std::vector<TraceItem> allItems() {
  std::vector<TraceItem> items;
  for (const auto& info : traceItems()) items.push_back(info.item);
  return items;
}

std::vector<std::string> valueNames(FakeRegistry& registry, const std::string& key) {
  std::vector<std::string> names;
  for (const auto& [name, value] : registry.keys.at(key)) names.push_back(name);
  return names;
}

TEST(WindowsTraces, AnalyzeCountsEveryItemWithoutChangingAnything) {
  TestEnv env;
  seedTraces(env);
  const auto registryBefore = env.registry.keys;
  const std::pair<TraceItem, std::string> expected[] = {
      {TraceItem::RecentItems, "1 item"},
      {TraceItem::JumpLists, "5 KB in 2 files"},
      {TraceItem::ExplorerHistory, "4 items, 1 search"},
      {TraceItem::ShellBags, "2 folders, 1 view"},
      {TraceItem::UserAssist, "2 entries"},
      {TraceItem::ThumbnailCache, "4 KB in 1 file, 1 in use"},
      {TraceItem::Clipboard, "holds data"},
      {TraceItem::ErrorReports, "2 KB in 1 file"},
      {TraceItem::ShaderCache, "1 KB in 1 file"},
  };
  for (const auto& [item, found] : expected) EXPECT_EQ(analyzeTrace(env.services, item), found) << traceInfo(item).name;
  EXPECT_EQ(env.registry.keys.size(), registryBefore.size());
  for (const auto& [key, values] : registryBefore) EXPECT_EQ(valueNames(env.registry, key).size(), values.size()) << key;
  EXPECT_TRUE(env.files.deletes.empty());
  EXPECT_EQ(env.shell.clipboard, "copied password");

  TestEnv empty;
  for (const auto& [item, found] : expected) EXPECT_EQ(analyzeTrace(empty.services, item), "nothing");
}

// The shell's clearing takes the whole recent-documents key, as Windows' does.
TEST(WindowsTraces, CleanRemovesEachTraceAndLeavesWhatIsBesideIt) {
  TestEnv env;
  seedTraces(env);
  env.shell.onClearRecentDocuments = [&] { env.registry.deleteTree(RegRoot::CurrentUser, kRecentDocs); };
  ShredControl control;
  const TracesCleaned result = cleanTraces(env.services, allItems(), kTime, 0, control);

  auto& r = env.registry;
  EXPECT_EQ(valueNames(r, kExplorerKey + "\\RunMRU"), std::vector<std::string>{"Keep"});
  EXPECT_EQ(valueNames(r, kRecentDocs), std::vector<std::string>{"ViewStream"});
  EXPECT_TRUE(valueNames(r, kRecentDocs + "\\.txt").empty());
  EXPECT_TRUE(valueNames(r, kExplorerKey + "\\TypedPaths").empty());
  EXPECT_TRUE(valueNames(r, kExplorerKey + "\\WordWheelQuery").empty());
  EXPECT_FALSE(r.keys.count("Software\\Microsoft\\Windows\\Shell\\BagMRU"));
  EXPECT_FALSE(r.keys.count("Software\\Microsoft\\Windows\\Shell\\Bags\\1\\Shell"));
  EXPECT_TRUE(r.hasValue("Software\\Microsoft\\Windows\\Shell\\Kept", "x"));
  EXPECT_TRUE(valueNames(r, kExplorerKey + "\\UserAssist\\{GUID}\\Count").empty());
  EXPECT_TRUE(r.hasValue(kExplorerKey + "\\UserAssist\\{GUID}", "Version"));

  // Each file beside a trace stays, and so do the report folders, but not a report's own folder.
  auto& f = env.files;
  const std::string explorer = kLocal + "\\Microsoft\\Windows\\Explorer\\", wer = kLocal + "\\Microsoft\\Windows\\WER\\";
  const std::pair<std::string, bool> paths[] = {
      {kRecent + "\\report.docx.lnk", false},
      {kRecent + "\\AutomaticDestinations\\5f7b5f1e01b83767.automaticDestinations-ms", false},
      {kRecent + "\\CustomDestinations\\abc.customDestinations-ms", false},
      {kRecent + "\\desktop.ini", true}, {kRecent + "\\Sub\\inner.lnk", true},
      {explorer + "thumbcache_256.db", false}, {explorer + "iconcache_16.db", true},
      {explorer + "ExplorerStartupLog.etl", true},
      {wer + "ReportArchive\\AppCrash_x", false}, {wer + "ReportArchive", true},
      {kLocal + "\\D3DSCache\\abc\\shader.idx", false}, {kLocal + "\\D3DSCache\\abc", true},
  };
  for (const auto& [path, kept] : paths) EXPECT_EQ(f.exists(path), kept) << path;
  EXPECT_EQ(env.shell.clipboard, "");
  EXPECT_EQ(env.shell.recentDocumentsCleared, 1);

  EXPECT_EQ(result.backupPath, kBackups + "\\2026-01-05 14-30-12.reg");
  std::string backup;
  ASSERT_TRUE(f.readFile(result.backupPath, backup, 1 << 20).ok());
  EXPECT_EQ(backup.substr(0, 6), std::string("\xFF\xFE" "W\0i", 6));
  const std::string message = tracesMessage(result);
  // Clean counts what Analyze found.
  for (const char* line : {"Explorer history: 4 items, 1 search", "Error reports: 2 KB in 1 file"})
    EXPECT_NE(message.find(line), std::string::npos) << message;
  EXPECT_NE(message.find("Not cleaned, Thumbnail cache: 1 file in use"), std::string::npos) << message;
  EXPECT_NE(message.find(result.backupPath), std::string::npos) << message;
}

// No backup, no registry change: and the shell's clearing, which would take a key, waits too.
TEST(WindowsTraces, WithoutABackupTheRegistryIsLeftWhole) {
  TestEnv env;
  seedTraces(env);
  env.systemFolders.appData.local.clear();
  const auto before = env.registry.keys;
  ShredControl control;
  const TracesCleaned result = cleanTraces(env.services, allItems(), kTime, 0, control);
  EXPECT_EQ(result.backupPath, "");
  for (const auto& [key, values] : before) EXPECT_EQ(valueNames(env.registry, key).size(), values.size()) << key;
  EXPECT_EQ(env.shell.recentDocumentsCleared, 0);
  EXPECT_FALSE(env.files.exists(kRecent + "\\report.docx.lnk"));
  EXPECT_NE(tracesMessage(result).find("Explorer history: the backup could not be written"), std::string::npos);
}

TEST(WindowsTraces, ChoicesStoreOnlyWhatDiffersFromTheTable) {
  for (const auto& info : traceItems()) EXPECT_EQ(TraceChoices::parse("").checked(info.item), info.checkedByDefault);
  TraceChoices choices = TraceChoices::parse("+Folder views (ShellBags);-Clipboard;+Unknown;junk");
  EXPECT_TRUE(choices.checked(TraceItem::ShellBags));
  EXPECT_FALSE(choices.checked(TraceItem::Clipboard));
  choices.setChecked(TraceItem::Clipboard, true);
  EXPECT_EQ(choices.text(), "+Folder views (ShellBags)");
}

}  // namespace
}  // namespace vellox::test
