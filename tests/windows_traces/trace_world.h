#pragma once
#include <string>
#include <vector>
#include "fakes/test_env.h"

namespace vellox::test {

inline const std::string kExplorerKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
inline const std::string kRecent = "C:\\Users\\me\\AppData\\Roaming\\Microsoft\\Windows\\Recent";
inline const std::string kLocal = "C:\\Users\\me\\AppData\\Local";
inline const std::string kBackups = kLocal + "\\Tarn Vellox\\backup";

inline std::vector<std::uint8_t> bytes(std::initializer_list<int> list) {
  std::vector<std::uint8_t> out;
  for (int b : list) out.push_back(static_cast<std::uint8_t>(b));
  return out;
}

// One trace of every item in the fakes, beside things that must stay.
inline void seedTraces(TestEnv& env) {
  auto& r = env.registry;
  r.setString(kExplorerKey + "\\RunMRU", "a", "notepad\\1");
  r.setString(kExplorerKey + "\\RunMRU", "b", "cmd\\1");
  r.setString(kExplorerKey + "\\RunMRU", "MRUList", "ba");
  r.setString(kExplorerKey + "\\RunMRU", "Keep", "not a list");
  r.setRaw(kExplorerKey + "\\RecentDocs\\.txt", "0", kRegBinary, bytes({'a', 0, 0, 0}));
  r.setRaw(kExplorerKey + "\\RecentDocs\\.txt", "MRUListEx", kRegBinary, bytes({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
  r.setRaw(kExplorerKey + "\\RecentDocs", "ViewStream", kRegBinary, bytes({1, 2}));
  r.setRaw(kExplorerKey + "\\WordWheelQuery", "0", kRegBinary, bytes({'q', 0, 0, 0}));
  r.setString(kExplorerKey + "\\TypedPaths", "url1", "C:\\secret");
  r.setRaw("Software\\Microsoft\\Windows\\Shell\\BagMRU", "0", kRegBinary, bytes({0x14, 0}));
  r.setRaw("Software\\Microsoft\\Windows\\Shell\\BagMRU\\0", "0", kRegBinary, bytes({0x16, 0}));
  r.setRaw("Software\\Microsoft\\Windows\\Shell\\Bags\\1\\Shell", "Mode", kRegDword, bytes({4, 0, 0, 0}));
  r.setString("Software\\Microsoft\\Windows\\Shell\\Kept", "x", "y");
  r.setRaw(kExplorerKey + "\\UserAssist\\{GUID}\\Count", "HRZR_PGYFRFFVBA", kRegBinary, bytes({0, 1}));
  r.setRaw(kExplorerKey + "\\UserAssist\\{GUID}\\Count", "{1NP14R77}\\abgrcnq.rkr", kRegBinary, bytes({0, 2}));
  r.setRaw(kExplorerKey + "\\UserAssist\\{GUID}", "Version", kRegDword, bytes({5, 0, 0, 0}));
  auto& f = env.files;
  f.addFile(kRecent + "\\report.docx.lnk", 1000);
  f.addFile(kRecent + "\\desktop.ini", 10);
  f.addFile(kRecent + "\\Sub\\inner.lnk", 10);
  f.addFile(kRecent + "\\AutomaticDestinations\\5f7b5f1e01b83767.automaticDestinations-ms", 3000);
  f.addFile(kRecent + "\\CustomDestinations\\abc.customDestinations-ms", 2000);
  f.addFile(kLocal + "\\Microsoft\\Windows\\Explorer\\thumbcache_256.db", 4096);
  f.addFile(kLocal + "\\Microsoft\\Windows\\Explorer\\iconcache_16.db", 4096).locked = true;
  f.addFile(kLocal + "\\Microsoft\\Windows\\Explorer\\ExplorerStartupLog.etl", 10);
  f.addFile(kLocal + "\\Microsoft\\Windows\\WER\\ReportArchive\\AppCrash_x\\Report.wer", 2048);
  f.addFile(kLocal + "\\D3DSCache\\abc\\shader.idx", 1024);
  env.shell.clipboard = "copied password";
}

}  // namespace vellox::test
