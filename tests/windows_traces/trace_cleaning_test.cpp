#include <gmock/gmock.h>
#include <tuple>
#include "fakes/test_env.h"
#include "platform/utf16.h"
#include "windows_traces/reg_file.h"
#include "windows_traces/registry_backup.h"
#include "windows_traces/trace_cleaning.h"

namespace vellox::test {
namespace {

const std::string kExplorerKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kRecentDocs = kExplorerKey + "\\RecentDocs";
const std::string kUserAssist = kExplorerKey + "\\UserAssist\\{GUID}\\Count";
const std::string kShellKey = "Software\\Microsoft\\Windows\\Shell";
const std::string kRecent = "C:\\Users\\me\\AppData\\Roaming\\Microsoft\\Windows\\Recent";
const std::string kLocal = "C:\\Users\\me\\AppData\\Local";
const std::string kBackups = kLocal + "\\Tarn Vellox\\backup";

const std::string kExplorerFiles = kLocal + "\\Microsoft\\Windows\\Explorer\\";
const std::string kReports = kLocal + "\\Microsoft\\Windows\\WER\\ReportArchive";
// Trace files beside files that are not traces: their sizes, and whether Clean leaves them.
const std::tuple<std::string, std::uint64_t, bool> kFiles[] = {
    {kRecent + "\\report.docx.lnk", 1000, false}, {kRecent + "\\Sub\\inner.lnk", 10, true},
    {kRecent + "\\AutomaticDestinations\\5f7b5f1e01b83767.automaticDestinations-ms", 3000, false},
    {kRecent + "\\CustomDestinations\\abc.customDestinations-ms", 2000, false},
    {kExplorerFiles + "thumbcache_256.db", 4096, false}, {kExplorerFiles + "iconcache_16.db", 4096, false},
    {kExplorerFiles + "ExplorerStartupLog.etl", 10, true}, {kReports + "\\AppCrash_x\\Report.wer", 2048, false},
    {kLocal + "\\D3DSCache\\abc\\shader.idx", 1024, false}};

// One trace of every item, beside things that must stay.
struct WindowsTraces : ::testing::Test {
  WindowsTraces() {
    auto& r = env.registry;
    r.setString(kExplorerKey + "\\RunMRU", "a", "notepad\\1");
    r.setString(kExplorerKey + "\\RunMRU", "MRUList", "a");
    r.setRaw(kRecentDocs + "\\.txt", "0", kRegBinary, {'a', 0, 0, 0});
    r.setRaw(kRecentDocs + "\\.txt", "MRUListEx", kRegBinary, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
    r.setRaw(kRecentDocs, "ViewStream", kRegBinary, {1, 2});
    r.setRaw(kExplorerKey + "\\WordWheelQuery", "0", kRegBinary, {'q', 0, 0, 0});
    r.setString(kExplorerKey + "\\TypedPaths", "url1", "C:\\secret");
    r.setRaw(kShellKey + "\\BagMRU", "0", kRegBinary, {0x14, 0});
    r.setRaw(kShellKey + "\\BagMRU\\0", "0", kRegBinary, {0x16, 0});
    r.setRaw(kShellKey + "\\Bags\\1\\Shell", "Mode", kRegDword, {4, 0, 0, 0});
    r.setRaw(kUserAssist, "HRZR_PGYFRFFVBA", kRegBinary, {0, 1});
    r.setRaw(kUserAssist, "{1NP14R77}\\abgrcnq.rkr", kRegBinary, {0, 2});
    for (const auto& [path, bytes, stays] : kFiles) env.files.addFile(path, bytes);
    env.shell.clipboard = "copied password";
  }
  TracesCleaned cleanAll() {
    std::vector<TraceItem> items;
    for (const auto& info : traceItems()) items.push_back(info.item);
    return cleanTraces(env.services, items, "2026-01-05 14:30:12", 0, ShredControl{});
  }
  TestEnv env;
};

TEST_F(WindowsTraces, AnalyzeCountsEveryItemWithoutChangingAnything) {
  TestEnv empty;
  const auto registryBefore = env.registry.keys;
  const std::pair<TraceItem, std::string> expected[] = {
      {TraceItem::RecentItems, "1 item"}, {TraceItem::JumpLists, "5 KB in 2 files"},
      {TraceItem::ExplorerHistory, "3 items, 1 search"}, {TraceItem::ShellBags, "2 folders, 1 view"},
      {TraceItem::UserAssist, "2 entries"}, {TraceItem::ThumbnailCache, "8 KB in 2 files"},
      {TraceItem::Clipboard, "holds data"}, {TraceItem::ErrorReports, "2 KB in 1 file"},
      {TraceItem::ShaderCache, "1 KB in 1 file"}};
  for (const auto& [item, found] : expected) {
    EXPECT_EQ(analyzeTrace(env.services, item), found) << traceInfo(item).name;
    EXPECT_EQ(analyzeTrace(empty.services, item), "nothing");
  }
  EXPECT_EQ(env.registry.keys, registryBefore);
  EXPECT_TRUE(env.files.deletes.empty());
  EXPECT_EQ(env.shell.clipboard, "copied password");
}

// The shell's clearing takes the whole recent-documents key, as Windows' does, and what the user did not
// choose comes back. The values beside the lists, the emptied clipboard and a file in use the Wine test shows for real.
TEST_F(WindowsTraces, CleanRemovesEachTraceAndLeavesWhatIsBesideIt) {
  env.shell.onClearRecentDocuments = [&] { env.registry.deleteTree(RegRoot::CurrentUser, kRecentDocs); };
  const TracesCleaned result = cleanAll();

  const auto& keys = env.registry.keys;
  EXPECT_EQ(keys.at(kRecentDocs), (FakeRegistry::Key{{"ViewStream", {kRegBinary, {1, 2}}}}));
  // The lists' keys and UserAssist's stay, emptied; the ShellBags trees go whole.
  for (const auto& key : {kRecentDocs + "\\.txt", kExplorerKey + "\\RunMRU", kUserAssist})
    EXPECT_EQ(keys.at(key), FakeRegistry::Key{}) << key;
  EXPECT_FALSE(keys.count(kShellKey + "\\BagMRU") || keys.count(kShellKey + "\\Bags\\1\\Shell"));

  // Each file beside a trace stays, and so do the report folders, but not a report's own folder.
  auto& f = env.files;
  for (const auto& [path, bytes, stays] : kFiles) EXPECT_EQ(f.exists(path), stays) << path;
  EXPECT_TRUE(!f.exists(kReports + "\\AppCrash_x") && f.exists(kReports) && f.exists(kLocal + "\\D3DSCache\\abc"));
  EXPECT_EQ(env.shell.recentDocumentsCleared, 1);

  EXPECT_EQ(result.backupPath, kBackups + "\\2026-01-05 14-30-12.reg");
  // Clean counts what Analyze found.
  const std::string message = tracesMessage(result);
  for (const char* line : {"Explorer history: 3 items, 1 search", "Error reports: 2 KB in 1 file"})
    EXPECT_NE(message.find(line), std::string::npos) << message;
}

// No backup, no registry change: and the shell's clearing, which would take a key, waits too.
TEST_F(WindowsTraces, WithoutABackupTheRegistryIsLeftWhole) {
  env.systemFolders.appData.local.clear();
  const auto before = env.registry.keys;
  const TracesCleaned result = cleanAll();
  EXPECT_EQ(result.backupPath, "");
  EXPECT_EQ(env.registry.keys, before);
  EXPECT_EQ(env.shell.recentDocumentsCleared, 0);
  EXPECT_FALSE(env.files.exists(kRecent + "\\report.docx.lnk"));
  EXPECT_NE(tracesMessage(result).find("Explorer history: the backup could not be written"), std::string::npos);
}

// A trace folder that is a link is followed where the rule lets its place be cleared, as Windows
// writes there; one that leads to the user's own folder is named, and nothing in it is touched.
TEST(WindowsTraceFolders, ALinkedOneIsFollowedOnlyWhereTheScopeRuleAllows) {
  TestEnv linked;
  const std::string documents = "C:\\Users\\me\\Documents", explorer = kLocal + "\\Microsoft\\Windows\\Explorer";
  for (const auto& [link, target] : {std::pair{kRecent, documents}, std::pair{explorer, std::string("D:\\Thumbs")}}) {
    linked.files.addFolder(link);
    linked.files.node(link).link = true;
    linked.systemFolders.links[link] = target;
  }
  linked.files.addFile(documents + "\\mine.lnk", 10);
  linked.files.addFile("D:\\Thumbs\\thumbcache_32.db", 2048);
  const std::string note = "Recent: a link to " + documents + ": not cleaned";
  EXPECT_EQ(analyzeTrace(linked.services, TraceItem::RecentItems), "nothing (" + note + ")");
  const auto result = cleanTraces(linked.services, {TraceItem::RecentItems, TraceItem::ThumbnailCache}, "", 0, {});
  EXPECT_TRUE(linked.files.exists(documents + "\\mine.lnk") && !linked.files.exists("D:\\Thumbs\\thumbcache_32.db"));
  EXPECT_THAT(tracesMessage(result), testing::HasSubstr("Recent items: " + note));
}

TEST(TraceChoices, StoreOnlyWhatDiffersFromTheTable) {
  for (const auto& info : traceItems()) EXPECT_EQ(TraceChoices::parse("").checked(info.item), info.checkedByDefault);
  TraceChoices choices = TraceChoices::parse("+Folder views (ShellBags);-Clipboard;+Unknown;junk");
  EXPECT_TRUE(choices.checked(TraceItem::ShellBags));
  EXPECT_FALSE(choices.checked(TraceItem::Clipboard));
  choices.setChecked(TraceItem::Clipboard, true);
  EXPECT_EQ(choices.text(), "+Folder views (ShellBags)");
}

// Each type in the form regedit writes and reads back to the same bytes.
TEST(RegFile, ValuesAreWrittenInRegeditsForms) {
  std::string row;  // regedit wraps a long value after 22 bytes on its first line
  for (int i = 0; i < 17; ++i) row += "ab,";
  const struct {
    RegValue value;
    std::string line;
  } cases[] = {
      {{"", kRegSz, utf16Bytes(std::string("default", 8))}, "@=\"default\""},
      {{"na\"me", kRegSz, utf16Bytes(std::string("\xCE\xA9", 3))}, "\"na\\\"me\"=\"\xCE\xA9\""},
      {{"nonul", kRegSz, {'x', 0}}, "\"nonul\"=hex(1):78,00"},
      {{"short", kRegDword, {1, 2}}, "\"short\"=hex(4):01,02"}, {{"none", kRegBinary, {}}, "\"none\"=hex:"},
      {{"q", kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}}, "\"q\"=hex(b):01,00,00,00,00,00,00,00"},
      {{"long", kRegBinary, std::vector<std::uint8_t>(40, 0xAB)},
       "\"long\"=hex:" + row + "ab,ab,ab,ab,ab,\\\r\n  " + row + "ab"}};
  for (const auto& [value, line] : cases)  // after the byte order mark, U+FEFF
    EXPECT_EQ(utf8FromUtf16(regFileBytes({{"K", {value}}})),
              "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n" + line + "\r\n\r\n")
        << value.name;
}

TEST(RegistryBackup, OnlyBackupsOlderThanThirtyDaysAreDeleted) {
  TestEnv env;
  const std::pair<const char*, bool> backups[] = {  // and whether it stays
      {"2026-03-01 08-00-00.reg", true},  {"2026-02-28 23-59-59.reg", false}, {"2026-02-28 23-59-59 (2).reg", false},
      {"2025-12-31 10-00-00.reg", false}, {"2020-01-01 old.reg", true},       {"2020-01-01 10-00-00.txt", true},
      {"notes.reg", true}};
  for (const auto& [name, stays] : backups) env.files.addFile(kBackups + "\\" + name, 10);
  env.files.addFolder(kBackups + "\\2020-01-01 10-00-00.reg");
  dropOldBackups(env.files, env.systemFolders, "2026-03-31 09:00:00");
  for (const auto& [name, stays] : backups) EXPECT_EQ(env.files.exists(kBackups + "\\" + name), stays) << name;
  EXPECT_TRUE(env.files.exists(kBackups + "\\2020-01-01 10-00-00.reg"));
  std::string log;
  env.files.readFile(kLocal + "\\Tarn Vellox\\clean.log", log, 4096);
  EXPECT_EQ(log, "2026-03-31 09:00:00 | start-up | deleted 3 registry backups older than 30 days\r\n");
}

}  // namespace
}  // namespace vellox::test
