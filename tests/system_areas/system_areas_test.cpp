#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "fakes/running_app.h"

namespace vellox::test {
namespace {

const char* kApp = " Tarn Vellox";
const char* kTemp = "C:\\Users\\me\\Temp\\";

void store(TestEnv& env, const std::string& key, const std::string& value) {
  env.settings.values[{kApp, "Settings", key}] = value;
}

// A temporary folder with files two levels deep, and an empty subfolder.
void fillTemp(TestEnv& env) {
  env.files.temp = kTemp;
  env.files.addFile("C:\\Users\\me\\Temp\\a.tmp", 4 * 1024 + 520);
  env.files.addFile("C:\\Users\\me\\Temp\\one\\b.tmp", 10);
  env.files.addFile("C:\\Users\\me\\Temp\\one\\two\\c.tmp", 0).readOnly = true;
  env.files.addFolder("C:\\Users\\me\\Temp\\empty");
  env.files.addFile("C:\\Users\\me\\Temp\\z.tmp", 2048);
  env.files.addFile("C:\\Users\\me\\Other\\keep.txt", 5);
}

const std::vector<std::string> kTempFiles = {
    "C:\\Users\\me\\Temp\\a.tmp", "C:\\Users\\me\\Temp\\one\\b.tmp", "C:\\Users\\me\\Temp\\one\\two\\c.tmp",
    "C:\\Users\\me\\Temp\\z.tmp"};

bool anyTempFileLeft(TestEnv& env) {
  for (const auto& f : kTempFiles)
    if (env.files.exists(f)) return true;
  return false;
}

// A link in the temporary folder goes as a name; where it leads is kept.
TEST(SystemAreas, ALinkInTheTemporaryFolderIsRemovedAndItsTargetKept) {
  TestEnv env;
  fillTemp(env);
  env.files.addFolder("C:\\Users\\me\\Temp\\junction");
  env.files.node("C:\\Users\\me\\Temp\\junction").link = true;
  env.files.addFile("C:\\Users\\me\\Temp\\junction\\outside.txt", 5);  // what it leads to
  env.files.addFile("C:\\Users\\me\\Temp\\filelink").link = true;
  store(env, "autocleartemp", "1");
  RunningApp run(env);
  EXPECT_FALSE(env.files.exists("C:\\Users\\me\\Temp\\junction"));
  EXPECT_FALSE(env.files.exists("C:\\Users\\me\\Temp\\filelink"));
  EXPECT_TRUE(env.files.exists("C:\\Users\\me\\Other\\keep.txt"));
  for (const auto& s : env.files.sessions)
    EXPECT_TRUE(s.path.find("link") == std::string::npos && s.path.find("junction") == std::string::npos) << s.path;
  EXPECT_EQ(env.files.sessions.size(), kTempFiles.size());
}

TEST(SystemAreas, BothOptionsOnAtStartUpEmptyTheBinFirstThenClearTemp) {
  TestEnv env;
  fillTemp(env);
  store(env, "autoemptyrecyclebin", "1");
  store(env, "autocleartemp", "1");
  std::vector<std::string> statusWhenBinEmptied;
  bool tempStillFullWhenBinEmptied = false;
  env.shell.onEmptyRecycleBin = [&] {
    tempStillFullWhenBinEmptied = env.files.exists("C:\\Users\\me\\Temp\\a.tmp");
    statusWhenBinEmptied.push_back(env.views.main->sbar.text());
  };
  RunningApp run(env);
  EXPECT_EQ(env.shell.recycleBinEmptied, 1);
  EXPECT_TRUE(tempStillFullWhenBinEmptied);
  EXPECT_EQ(statusWhenBinEmptied, std::vector<std::string>{"Emptying Recycle bin..."});
  EXPECT_FALSE(anyTempFileLeft(env));
  EXPECT_EQ(run.view().sbar.history,
            (std::vector<std::string>{"Emptying Recycle bin...", "", "Deleting temp folder contents...", ""}));
  EXPECT_EQ(run.view().pointer.history, (std::vector<int>{kPointerBackground, kPointerDefault}));
  EXPECT_TRUE(env.ui.messages.empty());
}

TEST(SystemAreas, ClearingShredsEveryFileOnceAndKeepsTheFolders) {
  TestEnv env;
  fillTemp(env);
  store(env, "autocleartemp", "1");
  store(env, "shredlevel", "False");  // the wipe's level does not apply here
  RunningApp run(env);
  EXPECT_FALSE(anyTempFileLeft(env));
  for (const char* folder : {"C:\\Users\\me\\Temp", "C:\\Users\\me\\Temp\\one", "C:\\Users\\me\\Temp\\one\\two",
                             "C:\\Users\\me\\Temp\\empty"})
    EXPECT_TRUE(env.files.exists(folder)) << folder;
  EXPECT_TRUE(env.files.exists("C:\\Users\\me\\Other\\keep.txt"));

  // One open per file, several files at once, and the 4 blocks + 520 bytes file gets 5 blocks of 0x01.
  std::vector<std::string> opened;
  std::uint64_t written = 0;
  for (const auto& s : env.files.sessions) {
    opened.push_back(s.path);
    if (s.path == kTempFiles[0])
      for (const auto& w : s.writes) written = std::max<std::uint64_t>(written, w.offset + w.size);
  }
  std::sort(opened.begin(), opened.end());
  EXPECT_EQ(opened, kTempFiles);
  EXPECT_EQ(written, 5u * 1024);
  EXPECT_EQ(env.shell.recycleBinEmptied, 0);
}

TEST(SystemAreas, NoTempPathClearsNothing) {
  TestEnv env;
  fillTemp(env);
  env.files.temp = "";
  env.files.addFile("\\root.txt", 3);
  store(env, "autocleartemp", "1");
  RunningApp run(env);
  EXPECT_TRUE(env.files.sessions.empty());
  EXPECT_TRUE(env.files.deletes.empty());
  EXPECT_TRUE(env.files.exists("\\root.txt"));
  EXPECT_TRUE(run.view().pointer.history.empty());
}

// Only start-up and the user's tick act: opening the window again loads the stored
// boxes without emptying a bin filled since.
TEST(SystemAreas, AReactivationOrAFreshWindowFiresNothing) {
  TestEnv env;
  fillTemp(env);
  store(env, "autoemptyrecyclebin", "1");
  store(env, "autocleartemp", "1");
  RunningApp run(env);
  env.files.addFile("C:\\Users\\me\\Temp\\later.tmp", 1);

  run.app.showMain(kTabSecureWipe);
  run.app.showMain(kTabAbout);
  run.settle();
  EXPECT_EQ(env.shell.recycleBinEmptied, 1);
  EXPECT_TRUE(env.files.exists("C:\\Users\\me\\Temp\\later.tmp"));

  run.closeBox();
  run.app.showMain(kTabSecureWipe);
  run.settle();
  EXPECT_EQ(run.view().chkEmptyRecycleBin.value(), 1);
  EXPECT_EQ(run.view().chkdeltempfiles.value(), 1);
  EXPECT_EQ(env.shell.recycleBinEmptied, 1);
  EXPECT_TRUE(env.files.exists("C:\\Users\\me\\Temp\\later.tmp"));
}

TEST(SystemAreas, GreyedOrUncheckedValuesFireNothing) {
  TestEnv env;
  fillTemp(env);
  store(env, "autoemptyrecyclebin", "2");
  store(env, "autocleartemp", "2");
  RunningApp run(env);
  EXPECT_EQ(run.view().chkEmptyRecycleBin.value(), 2);
  EXPECT_EQ(run.view().chkdeltempfiles.value(), 2);
  run.view().chkEmptyRecycleBin.setValue(0);
  run.view().chkdeltempfiles.setValue(0);
  EXPECT_EQ(env.shell.recycleBinEmptied, 0);
  EXPECT_TRUE(env.files.sessions.empty());
  EXPECT_TRUE(run.view().sbar.history.empty());
  EXPECT_TRUE(run.view().pointer.history.empty());
}

TEST(SystemAreas, CheckingByHandActsAndCheckingAgainRepeats) {
  TestEnv env;
  fillTemp(env);
  RunningApp run(env);
  run.app.showMain(kTabSecureWipe);
  auto& box = run.view().chkEmptyRecycleBin;
  box.setValue(1);
  box.setValue(0);
  box.setValue(1);
  EXPECT_EQ(env.shell.recycleBinEmptied, 2);
  EXPECT_EQ(box.value(), 1) << "the action does not reset its box";

  run.view().chkdeltempfiles.setValue(1);
  run.settle();
  EXPECT_FALSE(anyTempFileLeft(env));
  env.files.addFile("C:\\Users\\me\\Temp\\again.tmp", 1);
  run.view().chkdeltempfiles.setValue(0);
  EXPECT_TRUE(env.files.exists("C:\\Users\\me\\Temp\\again.tmp"));
  run.view().chkdeltempfiles.setValue(1);
  run.settle();
  EXPECT_FALSE(env.files.exists("C:\\Users\\me\\Temp\\again.tmp"));
}

TEST(SystemAreas, AFailingShellIsNotReported) {
  TestEnv env;
  env.shell.emptySucceeds = false;
  store(env, "autoemptyrecyclebin", "1");
  RunningApp run(env);
  EXPECT_EQ(env.shell.recycleBinEmptied, 1);
  EXPECT_TRUE(env.ui.messages.empty());
  EXPECT_EQ(run.view().sbar.text(), "");
}

}  // namespace
}  // namespace vellox::test
