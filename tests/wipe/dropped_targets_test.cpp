#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "app/main_window.h"
#include "fakes/test_env.h"

namespace vellox::test {
namespace {

const std::string kWarning =
    "Warning! this will wipe the specified files and delete them. Once this is done they cannot be recovered";

struct WipeTab {
  WipeTab() {
    env.files.addFolder("C:\\docs");
    env.files.addFolder("C:\\pics");
    for (const char* path : {"C:\\docs\\a.txt", "C:\\docs\\b.txt", "C:\\c d.txt"}) env.files.addFile(path, 10);
    view.txtFileToWipe.setText("C:\\before.txt");
    view.txtFolderToWipe.setText("C:\\before");
  }
  TestEnv env;
  frmmain form{env.services, env.state, [] {}};
  HeadlessMainView& view = *env.views.main;
};

// A drop only fills the fields: a folder the folder's, files the file's, several files one list.
TEST(DroppedTargets, FoldersAndFilesGoToTheirFieldsAndNothingIsWiped) {
  const struct {
    std::vector<std::string> dropped;
    const char* fileField;
    const char* folderField;
    const char* box;
  } cases[] = {
      {{"C:\\docs"}, "C:\\before.txt", "C:\\docs", nullptr},
      {{"C:\\c d.txt"}, "C:\\c d.txt", "C:\\before", nullptr},
      {{"C:\\docs\\a.txt", "C:\\docs\\b.txt", "C:\\c d.txt"}, "3 files", "C:\\before", nullptr},
      {{"C:\\docs\\a.txt", "C:\\pics"}, "C:\\docs\\a.txt", "C:\\pics", nullptr},
      // Not found: taken as a file, so the wipe says what is wrong.
      {{"C:\\gone.txt"}, "C:\\gone.txt", "C:\\before", nullptr},
      {{"C:\\docs", "C:\\pics"}, "C:\\before.txt", "C:\\before",
       "A wipe takes one folder at a time. Drop a single folder."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dropped.front());
    WipeTab tab;
    tab.view.onFilesDropped(c.dropped);
    EXPECT_EQ(tab.view.txtFileToWipe.text(), c.fileField);
    EXPECT_EQ(tab.view.txtFolderToWipe.text(), c.folderField);
    EXPECT_EQ(tab.env.ui.messages.size(), c.box ? 1u : 0u);
    if (c.box && !tab.env.ui.messages.empty()) {
      EXPECT_EQ(tab.env.ui.messages[0].text, c.box);
    }
    EXPECT_TRUE(tab.env.files.sessions.empty()) << "nothing written";
    EXPECT_TRUE(tab.env.files.exists("C:\\docs\\a.txt"));
  }
}

// The list is the file target while the field shows "N files": the warning names every
// file, and OK shreds each; Cancel, or other text in the field, leaves them all.
TEST(DroppedTargets, SeveralFilesAreNamedInTheWarningAndWipedTogether) {
  const std::vector<std::string> dropped = {"C:\\docs\\a.txt", "C:\\docs\\b.txt", "C:\\c d.txt"};
  const struct {
    const char* fieldAfterDrop;  // nullptr: left as the drop made it
    MsgAnswer answer;
    std::vector<std::string> kept;
  } cases[] = {{nullptr, MsgAnswer::Ok, {}},
               {nullptr, MsgAnswer::Cancel, dropped},
               {"C:\\c d.txt", MsgAnswer::Ok, {"C:\\docs\\a.txt", "C:\\docs\\b.txt"}}};
  for (const auto& c : cases) {
    WipeTab tab;
    tab.view.txtFolderToWipe.setText("");
    tab.view.onFilesDropped(dropped);
    if (c.fieldAfterDrop) tab.view.txtFileToWipe.setText(c.fieldAfterDrop);
    tab.env.ui.answers.push_back(c.answer);
    tab.view.cmdWipe.click();
    tab.env.settle();
    ASSERT_FALSE(tab.env.ui.messages.empty());
    const std::string listed = "Target: the 3 files C:\\docs\\a.txt, C:\\docs\\b.txt, C:\\c d.txt";
    EXPECT_EQ(tab.env.ui.messages[0].text, kWarning + "\n" + (c.fieldAfterDrop ? "Target: the file C:\\c d.txt" : listed));
    for (const auto& path : dropped) {
      const bool kept = std::find(c.kept.begin(), c.kept.end(), path) != c.kept.end();
      EXPECT_EQ(tab.env.files.exists(path), kept) << path;
    }
    if (c.kept.empty()) {
      ASSERT_EQ(tab.env.ui.messages.size(), 2u);
      EXPECT_EQ(tab.env.ui.messages[1].text, "3File(s) wiped");
    }
  }
}

TEST(DroppedTargets, TheWarningNamesTenFilesAndCountsTheRest) {
  WipeTab tab;
  std::vector<std::string> dropped;
  for (int i = 0; i < 12; ++i) {
    dropped.push_back("C:\\many\\" + std::to_string(i) + ".txt");
    tab.env.files.addFile(dropped.back(), 1);
  }
  tab.view.txtFolderToWipe.setText("");
  tab.view.onFilesDropped(dropped);
  EXPECT_EQ(tab.view.txtFileToWipe.text(), "12 files");
  tab.env.ui.answers.push_back(MsgAnswer::Cancel);
  tab.view.cmdWipe.click();
  ASSERT_EQ(tab.env.ui.messages.size(), 1u);
  const std::string& text = tab.env.ui.messages[0].text;
  EXPECT_NE(text.find("Target: the 12 files C:\\many\\0.txt, "), std::string::npos) << text;
  EXPECT_NE(text.find("C:\\many\\9.txt, and 2 more"), std::string::npos) << text;
  EXPECT_EQ(text.find("10.txt"), std::string::npos) << text;
}

}  // namespace
}  // namespace vellox::test
