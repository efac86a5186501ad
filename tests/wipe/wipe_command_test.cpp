#include <gtest/gtest.h>
#include "app/frmmain.h"
#include "fakes/test_env.h"
#include "wipe/forwarding_files.h"

namespace vellox::test {
namespace {

const std::string kWarning =
    "Warning! this will wipe the specified files and delete them. Once this is done they cannot be recovered";

struct WipeTab {
  TestEnv env;
  frmmain form{env.services, [] {}};
  HeadlessMainView& view = *env.views.main;

  void wipe(MsgAnswer answer = MsgAnswer::Ok) {
    env.ui.answers.push_back(answer);
    view.cmdWipe.click();
  }
  std::vector<std::string> shredOrder() const {
    std::vector<std::string> paths;
    for (const auto& session : env.files.sessions)
      if (paths.empty() || paths.back() != session.path) paths.push_back(session.path);
    return paths;
  }
};

TEST(WipeCommand, WarnsFirstAndOnlyOkWipes) {
  for (MsgAnswer answer : {MsgAnswer::Ok, MsgAnswer::Cancel}) {
    WipeTab tab;
    tab.env.files.addFile("C:\\dir\\a.txt", 10);
    tab.env.files.addFile("C:\\folder\\b.txt", 10);
    tab.view.txtFileToWipe.setText("C:\\dir\\a.txt");
    tab.view.txtFolderToWipe.setText("C:\\folder");
    tab.wipe(answer);
    ASSERT_FALSE(tab.env.ui.messages.empty());
    const auto& warning = tab.env.ui.messages[0];
    EXPECT_EQ(warning.text, kWarning);
    EXPECT_EQ(warning.caption, " Tarn Vellox");
    EXPECT_EQ(warning.icon, MsgIcon::Exclamation);
    EXPECT_EQ(warning.buttons, MsgButtons::OkCancel);
    const bool ok = answer == MsgAnswer::Ok;
    EXPECT_EQ(tab.env.files.exists("C:\\dir\\a.txt"), !ok);
    EXPECT_EQ(tab.env.files.exists("C:\\folder\\b.txt"), !ok);
    EXPECT_EQ(tab.env.ui.messages.size(), ok ? 3u : 1u);
    EXPECT_EQ(tab.view.pointer.history.empty(), !ok);
  }
}

TEST(WipeCommand, FileTargetIsWipedWithThePassesOfTheLevel) {
  for (bool quick : {true, false}) {
    WipeTab tab;
    tab.env.files.addFile("C:\\dir\\a.txt", 3000);
    tab.view.txtFileToWipe.setText("C:\\dir\\a.txt");
    tab.view.optQuick.setValue(quick);
    tab.view.optDOD.setValue(!quick);
    tab.wipe();
    EXPECT_EQ(tab.env.files.sessions.size(), quick ? 3u : 7u);
    EXPECT_FALSE(tab.env.files.exists("C:\\dir\\a.txt"));
    ASSERT_EQ(tab.env.ui.messages.size(), 2u);
    EXPECT_EQ(tab.env.ui.messages[1].text, "a.txt wiped");
    EXPECT_EQ(tab.env.ui.messages[1].icon, MsgIcon::Information);
    EXPECT_EQ(tab.view.pointer.history, (std::vector<int>{11, 0}));
    EXPECT_EQ(tab.view.txtFileToWipe.text(), "C:\\dir\\a.txt");
  }
}

TEST(WipeCommand, FileTargetMessagesAreHonest) {
  WipeTab tab;
  tab.env.files.addFile("C:\\dir\\busy.doc", 50).locked = true;
  tab.view.txtFileToWipe.setText("C:\\dir\\busy.doc");
  tab.wipe();
  ASSERT_EQ(tab.env.ui.messages.size(), 2u);
  EXPECT_EQ(tab.env.ui.messages[1].text.rfind("busy.doc could not be wiped", 0), 0u);
  EXPECT_EQ(tab.env.ui.messages[1].icon, MsgIcon::Exclamation);
  EXPECT_TRUE(tab.env.files.exists("C:\\dir\\busy.doc"));

  WipeTab bare;
  bare.env.files.addFile("plain.txt", 5);
  bare.view.txtFileToWipe.setText("plain.txt");
  bare.wipe();
  ASSERT_EQ(bare.env.ui.messages.size(), 2u);
  EXPECT_EQ(bare.env.ui.messages[1].text, "plain.txt wiped");
}

TEST(WipeCommand, FileTargetWithoutDataIsPassedOverSilentlyUnlessItsLengthFails) {
  WipeTab tab;
  tab.env.files.addFile("C:\\dir\\empty.txt", 0);
  for (const char* path : {"C:\\dir\\empty.txt", "C:\\dir\\missing.txt"}) {
    tab.env.ui.messages.clear();
    tab.view.txtFileToWipe.setText(path);
    tab.wipe();
    EXPECT_EQ(tab.env.ui.messages.size(), 1u) << path;
  }
  EXPECT_TRUE(tab.env.files.exists("C:\\dir\\empty.txt"));
  EXPECT_TRUE(tab.env.files.sessions.empty());

  tab.env.ui.messages.clear();
  tab.env.files.addFile("C:\\dir\\odd.txt", 9);
  tab.env.files.lengthErrors["C:\\dir\\odd.txt"] = {FileErrc::Other, 1920, "The file cannot be accessed."};
  tab.view.txtFileToWipe.setText("C:\\dir\\odd.txt");
  tab.wipe();
  ASSERT_EQ(tab.env.ui.messages.size(), 2u);
  EXPECT_EQ(tab.env.ui.messages[1].text, "The file cannot be accessed.");
  EXPECT_EQ(tab.env.ui.messages[1].icon, MsgIcon::None);
  EXPECT_EQ(tab.env.ui.messages[1].buttons, MsgButtons::Ok);
  EXPECT_TRUE(tab.env.files.sessions.empty());
}

TEST(WipeCommand, FolderTargetShredsEveryFileInWalkOrderShowingEachPath) {
  WipeTab tab;
  // Made in the walk's order: each subfolder's files come before its parent's later entries.
  const std::vector<std::string> expected{
      "C:\\f\\a",           "C:\\f\\one\\b",          "C:\\f\\one\\two\\c", "C:\\f\\one\\two\\d",
      "C:\\f\\one\\e",       "C:\\f\\f",               "C:\\f\\g",            "C:\\f\\three\\h",
      "C:\\f\\three\\four\\i", "C:\\f\\three\\j",        "C:\\f\\k",            "C:\\f\\l"};
  for (const auto& path : expected) tab.env.files.addFile(path, 100);
  tab.view.txtFolderToWipe.setText("C:\\f");
  tab.wipe();
  const auto order = tab.shredOrder();
  EXPECT_EQ(order, expected);
  std::vector<std::string> statuses;
  for (const auto& path : order) {
    statuses.push_back("Currently wiping" + path);
    statuses.push_back("");
  }
  EXPECT_EQ(tab.view.sbar.history, statuses);
  EXPECT_EQ(tab.view.pointer.history, (std::vector<int>{11, 0}));
  ASSERT_EQ(tab.env.ui.messages.size(), 2u);
  EXPECT_EQ(tab.env.ui.messages[1].text, "12File(s) wiped");
  EXPECT_EQ(tab.env.ui.messages[1].icon, MsgIcon::Information);
  EXPECT_TRUE(tab.env.files.exists("C:\\f\\three\\four"));
  EXPECT_EQ(tab.env.files.listFolder("C:\\f\\three\\four")->size(), 0u);
  EXPECT_EQ(tab.view.txtFolderToWipe.text(), "C:\\f");
}

TEST(WipeCommand, FolderMessageCountsOnlyWipedFilesAndNamesTheFirstFailures) {
  WipeTab tab;
  tab.env.files.addFile("C:\\f\\fine0", 10);
  for (int i = 0; i < 7; ++i) tab.env.files.addFile("C:\\f\\locked" + std::to_string(i), 10).locked = true;
  tab.env.files.addFile("C:\\f\\fine1", 10);
  tab.view.txtFolderToWipe.setText("C:\\f\\");
  tab.wipe();
  ASSERT_EQ(tab.env.ui.messages.size(), 2u);
  EXPECT_EQ(tab.env.ui.messages[1].text,
            "2File(s) wiped\n7 file(s) could not be wiped:\nC:\\f\\locked0\nC:\\f\\locked1\nC:\\f\\locked2\n"
            "C:\\f\\locked3\nC:\\f\\locked4\n...");
  EXPECT_EQ(tab.env.ui.messages[1].icon, MsgIcon::Exclamation);
}

// Removes one file right after the folder was listed, as another program might.
class VanishingFiles : public ForwardingFiles {
 public:
  VanishingFiles(FakeFiles& inner, std::string victim) : ForwardingFiles(inner), victim_(std::move(victim)) {}
  std::optional<std::vector<DirEntry>> listFolder(const std::string& folder) override {
    auto entries = inner_.listFolder(folder);
    inner_.deleteFile(victim_);
    return entries;
  }

 private:
  std::string victim_;
};

TEST(WipeCommand, AFileThatVanishedBeforeItsTurnIsNotCountedAsWiped) {
  TestEnv env;
  env.files.addFile("C:\\f\\a", 10);
  env.files.addFile("C:\\f\\b", 10);
  env.files.addFile("C:\\f\\c", 10);
  VanishingFiles files(env.files, "C:\\f\\b");
  Services services{env.ui, env.views, env.settings, env.registry, env.shell, files,
                    env.urlCache, env.urlHistory, env.download, env.instance, env.systemFolders};
  frmmain form(services, [] {});
  env.views.main->txtFolderToWipe.setText("C:\\f");
  form.cmdWipe_Click();
  ASSERT_EQ(env.ui.messages.size(), 2u);
  EXPECT_EQ(env.ui.messages[1].text, "2File(s) wiped\n1 file(s) could not be wiped:\nC:\\f\\b");
  EXPECT_FALSE(env.files.exists("C:\\f\\b"));
}

TEST(WipeCommand, MissingFolderGivesZeroAndBothTargetsRunFileFirst) {
  WipeTab tab;
  tab.view.txtFolderToWipe.setText("C:\\nowhere");
  tab.wipe();
  ASSERT_EQ(tab.env.ui.messages.size(), 2u);
  EXPECT_EQ(tab.env.ui.messages[1].text, "0File(s) wiped");

  WipeTab both;
  both.env.files.addFile("C:\\f\\inside", 10);
  both.env.files.addFile("C:\\single.txt", 10);
  both.view.txtFolderToWipe.setText("C:\\f");
  both.view.txtFileToWipe.setText("C:\\single.txt");
  both.wipe();
  ASSERT_EQ(both.env.ui.messages.size(), 3u);
  EXPECT_EQ(both.env.ui.messages[1].text, "single.txt wiped");
  EXPECT_EQ(both.env.ui.messages[2].text, "1File(s) wiped");
  EXPECT_EQ(both.shredOrder(), (std::vector<std::string>{"C:\\single.txt", "C:\\f\\inside"}));
  EXPECT_EQ(both.view.pointer.history, (std::vector<int>{11, 0, 11, 0}));

  // Again at once: the file is gone, so nothing more is wiped or said about it.
  both.env.ui.messages.clear();
  both.view.txtFolderToWipe.setText("");
  both.wipe();
  EXPECT_EQ(both.env.ui.messages.size(), 1u);
}

TEST(WipeCommand, BothFieldsEmptyDoNothingAfterTheWarning) {
  WipeTab tab;
  tab.env.files.addFile("x", 10);  // at the top of the fake drive
  tab.wipe();
  EXPECT_EQ(tab.env.ui.messages.size(), 1u);
  EXPECT_TRUE(tab.env.files.sessions.empty());
  EXPECT_TRUE(tab.view.pointer.history.empty());
  EXPECT_TRUE(tab.env.files.exists("x"));
}

}  // namespace
}  // namespace vellox::test
