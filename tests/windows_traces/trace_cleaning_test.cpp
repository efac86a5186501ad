#include <gtest/gtest.h>
#include <tuple>
#include "fakes/test_env.h"
#include "platform/utf16.h"
#include "windows_traces/reg_file.h"
#include "windows_traces/registry_backup.h"
#include "windows_traces/trace_cleaning.h"
#include "windows_traces/trace_files.h"

namespace vellox::test {
namespace {

const std::string kExplorerKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kRecentDocs = kExplorerKey + "\\RecentDocs";
const std::string kShellKey = "Software\\Microsoft\\Windows\\Shell";
const std::string kRecent = "C:\\Users\\me\\AppData\\Roaming\\Microsoft\\Windows\\Recent";
const std::string kLocal = "C:\\Users\\me\\AppData\\Local";
const std::string kBackups = kLocal + "\\Tarn Vellox\\backup";
const std::string kTime = "2026-01-05 14:30:12";

const std::string kExplorerFiles = kLocal + "\\Microsoft\\Windows\\Explorer\\";
const std::string kReports = kLocal + "\\Microsoft\\Windows\\WER\\ReportArchive";
// Trace files beside files that are not traces: their sizes, and whether Clean leaves them.
const std::tuple<std::string, std::uint64_t, bool> kFiles[] = {
    {kRecent + "\\report.docx.lnk", 1000, false},
    {kRecent + "\\desktop.ini", 10, true},
    {kRecent + "\\Sub\\inner.lnk", 10, true},
    {kRecent + "\\AutomaticDestinations\\5f7b5f1e01b83767.automaticDestinations-ms", 3000, false},
    {kRecent + "\\CustomDestinations\\abc.customDestinations-ms", 2000, false},
    {kExplorerFiles + "thumbcache_256.db", 4096, false},
    {kExplorerFiles + "iconcache_16.db", 4096, true},  // in use
    {kExplorerFiles + "ExplorerStartupLog.etl", 10, true},
    {kReports + "\\AppCrash_x\\Report.wer", 2048, false},
    {kLocal + "\\D3DSCache\\abc\\shader.idx", 1024, false},
};

// One trace of every item, beside things that must stay.
struct WindowsTraces : ::testing::Test {
  WindowsTraces() {
    auto& r = env.registry;
    r.setString(kExplorerKey + "\\RunMRU", "a", "notepad\\1");
    r.setString(kExplorerKey + "\\RunMRU", "b", "cmd\\1");
    r.setString(kExplorerKey + "\\RunMRU", "MRUList", "ba");
    r.setString(kExplorerKey + "\\RunMRU", "Keep", "not a list");
    r.setRaw(kRecentDocs + "\\.txt", "0", kRegBinary, {'a', 0, 0, 0});
    r.setRaw(kRecentDocs + "\\.txt", "MRUListEx", kRegBinary, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
    r.setRaw(kRecentDocs, "ViewStream", kRegBinary, {1, 2});
    r.setRaw(kExplorerKey + "\\WordWheelQuery", "0", kRegBinary, {'q', 0, 0, 0});
    r.setString(kExplorerKey + "\\TypedPaths", "url1", "C:\\secret");
    r.setRaw(kShellKey + "\\BagMRU", "0", kRegBinary, {0x14, 0});
    r.setRaw(kShellKey + "\\BagMRU\\0", "0", kRegBinary, {0x16, 0});
    r.setRaw(kShellKey + "\\Bags\\1\\Shell", "Mode", kRegDword, {4, 0, 0, 0});
    r.setString(kShellKey + "\\Kept", "x", "y");
    r.setRaw(kExplorerKey + "\\UserAssist\\{GUID}\\Count", "HRZR_PGYFRFFVBA", kRegBinary, {0, 1});
    r.setRaw(kExplorerKey + "\\UserAssist\\{GUID}\\Count", "{1NP14R77}\\abgrcnq.rkr", kRegBinary, {0, 2});
    r.setRaw(kExplorerKey + "\\UserAssist\\{GUID}", "Version", kRegDword, {5, 0, 0, 0});
    for (const auto& [path, bytes, stays] : kFiles) env.files.addFile(path, bytes).locked = path == kExplorerFiles + "iconcache_16.db";
    env.shell.clipboard = "copied password";
  }
  TracesCleaned cleanAll() {
    std::vector<TraceItem> items;
    for (const auto& info : traceItems()) items.push_back(info.item);
    ShredControl control;
    return cleanTraces(env.services, items, kTime, 0, control);
  }
  TestEnv env;
};

TEST_F(WindowsTraces, AnalyzeCountsEveryItemWithoutChangingAnything) {
  TestEnv empty;
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
  for (const auto& [item, found] : expected) {
    EXPECT_EQ(analyzeTrace(env.services, item), found) << traceInfo(item).name;
    EXPECT_EQ(analyzeTrace(empty.services, item), "nothing");
  }
  EXPECT_EQ(env.registry.keys, registryBefore);
  EXPECT_TRUE(env.files.deletes.empty());
  EXPECT_EQ(env.shell.clipboard, "copied password");
}

// The shell's clearing takes the whole recent-documents key, as Windows' does.
TEST_F(WindowsTraces, CleanRemovesEachTraceAndLeavesWhatIsBesideIt) {
  env.shell.onClearRecentDocuments = [&] { env.registry.deleteTree(RegRoot::CurrentUser, kRecentDocs); };
  const TracesCleaned result = cleanAll();

  auto& r = env.registry;
  const std::pair<std::string, std::vector<std::string>> left[] = {
      {kExplorerKey + "\\RunMRU", {"Keep"}}, {kRecentDocs, {"ViewStream"}}, {kRecentDocs + "\\.txt", {}},
      {kExplorerKey + "\\TypedPaths", {}},   {kExplorerKey + "\\WordWheelQuery", {}}, {kShellKey + "\\Kept", {"x"}},
      {kExplorerKey + "\\UserAssist\\{GUID}\\Count", {}}, {kExplorerKey + "\\UserAssist\\{GUID}", {"Version"}},
  };
  for (const auto& [key, names] : left) {
    std::vector<std::string> now;
    for (const auto& [name, value] : r.keys.at(key)) now.push_back(name);
    EXPECT_EQ(now, names) << key;
  }
  EXPECT_FALSE(r.keys.count(kShellKey + "\\BagMRU") || r.keys.count(kShellKey + "\\Bags\\1\\Shell"));

  // Each file beside a trace stays, and so do the report folders, but not a report's own folder.
  auto& f = env.files;
  for (const auto& [path, bytes, stays] : kFiles) EXPECT_EQ(f.exists(path), stays) << path;
  EXPECT_TRUE(!f.exists(kReports + "\\AppCrash_x") && f.exists(kReports) && f.exists(kLocal + "\\D3DSCache\\abc"));
  EXPECT_EQ(env.shell.clipboard, "");
  EXPECT_EQ(env.shell.recentDocumentsCleared, 1);

  EXPECT_EQ(result.backupPath, kBackups + "\\2026-01-05 14-30-12.reg");
  std::string backup;
  ASSERT_TRUE(f.readFile(result.backupPath, backup, 1 << 20).ok());
  EXPECT_EQ(backup.substr(0, 6), std::string("\xFF\xFE" "W\0i", 6));
  // Clean counts what Analyze found.
  const std::string message = tracesMessage(result);
  for (const std::string& line : {std::string("Explorer history: 4 items, 1 search"), std::string("Error reports: 2 KB in 1 file"),
                                  std::string("Not cleaned, Thumbnail cache: 1 file in use"), result.backupPath})
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
      {{"short", kRegDword, {1, 2}}, "\"short\"=hex(4):01,02"},
      {{"q", kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}}, "\"q\"=hex(b):01,00,00,00,00,00,00,00"},
      {{"none", kRegBinary, {}}, "\"none\"=hex:"},
      {{"long", kRegBinary, std::vector<std::uint8_t>(40, 0xAB)},
       "\"long\"=hex:" + row + "ab,ab,ab,ab,ab,\\\r\n  " + row + "ab"},
  };
  for (const auto& [value, line] : cases) {
    const auto data = regFileBytes({{"Software\\K", {value}}});
    ASSERT_TRUE(data.size() >= 2 && data[0] == 0xFF && data[1] == 0xFE);
    EXPECT_EQ(utf8FromUtf16({data.begin() + 2, data.end()}),
              "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\K]\r\n" + line + "\r\n\r\n")
        << value.name;
  }
}

TEST(RegistryBackup, OnlyBackupsOlderThanThirtyDaysAreDeleted) {
  TestEnv env;
  for (const char* name : {"2026-03-01 08-00-00.reg", "2026-02-28 23-59-59.reg", "2026-02-28 23-59-59 (2).reg",
                           "2025-12-31 10-00-00.reg", "2020-01-01 old.reg", "2020-01-01 10-00-00.txt", "notes.reg"})
    env.files.addFile(kBackups + "\\" + name, 10);
  env.files.addFolder(kBackups + "\\2020-01-01 10-00-00.reg");
  dropOldBackups(env.files, env.systemFolders, "2026-03-31 09:00:00");
  for (const char* gone : {"2026-02-28 23-59-59.reg", "2026-02-28 23-59-59 (2).reg", "2025-12-31 10-00-00.reg"})
    EXPECT_FALSE(env.files.exists(kBackups + "\\" + gone)) << gone;
  for (const char* kept : {"2026-03-01 08-00-00.reg", "2020-01-01 old.reg", "2020-01-01 10-00-00.txt", "notes.reg",
                           "2020-01-01 10-00-00.reg"})
    EXPECT_TRUE(env.files.exists(kBackups + "\\" + kept)) << kept;
  std::string log;
  env.files.readFile(kLocal + "\\Tarn Vellox\\clean.log", log, 4096);
  EXPECT_EQ(log, "2026-03-31 09:00:00 | start-up | deleted 3 registry backups older than 30 days\r\n");
}

}  // namespace
}  // namespace vellox::test
