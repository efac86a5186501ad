#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include "app/main_window.h"
#include "wipe/secure_wipe_tab.h"
#include "fakes/test_env.h"
#include "wipe/services_with_files.h"
#include "wipe/forwarding_files.h"
#include "wipe/left_behind.h"

namespace vellox::test {
namespace {

const std::string kBusy = "in use by another program";
const std::string kWarning =
    "Warning! this will wipe the specified files and delete them. Once this is done they cannot be recovered";

struct WipeTab {
  TestEnv env;
  frmmain form{env.services, env.state, [] {}};
  HeadlessMainView& view = *env.views.main;

  void wipe(MsgAnswer answer = MsgAnswer::Ok) {
    env.ui.answers.push_back(answer);
    view.cmdWipe.click();
    env.settle();
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
    EXPECT_EQ(warning.text, kWarning + "\nTargets: the file C:\\dir\\a.txt, and every file in C:\\folder\\");
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

// A name that ends in a blank is that name, never its neighbour without the blank.
TEST(WipeCommand, TargetsEndingInABlankAreWipedAndTheirNeighboursStay) {
  WipeTab tab;
  for (const char* path : {"C:\\d\\report ", "C:\\d\\report", "C:\\Budget \\x", "C:\\Budget\\x"})
    tab.env.files.addFile(path, 10);
  tab.view.txtFileToWipe.setText("  C:\\d\\report ");
  tab.view.txtFolderToWipe.setText("C:\\Budget \r\n");
  tab.wipe();
  for (const char* gone : {"C:\\d\\report ", "C:\\Budget \\x"}) EXPECT_FALSE(tab.env.files.exists(gone)) << gone;
  for (const char* kept : {"C:\\d\\report", "C:\\Budget\\x"}) EXPECT_TRUE(tab.env.files.exists(kept)) << kept;
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
    EXPECT_EQ(tab.view.pointer.history, (std::vector<int>{kPointerBackground, kPointerDefault}));
    EXPECT_EQ(tab.view.txtFileToWipe.text(), "C:\\dir\\a.txt");
  }
}

TEST(WipeCommand, FileTargetMessagesAreHonest) {
  WipeTab tab;
  tab.env.files.addFile("C:\\dir\\busy.doc", 50).locked = true;
  tab.view.txtFileToWipe.setText("C:\\dir\\busy.doc");
  tab.wipe();
  ASSERT_EQ(tab.env.ui.messages.size(), 2u);
  EXPECT_EQ(tab.env.ui.messages[1].text,
            "busy.doc could not be wiped: in use by another program");
  EXPECT_EQ(tab.env.ui.messages[1].icon, MsgIcon::Exclamation);
  EXPECT_TRUE(tab.env.files.exists("C:\\dir\\busy.doc"));

  WipeTab shared;
  shared.env.files.addFile("C:\\dir\\shared.bin", 50).links = 3;
  shared.view.txtFileToWipe.setText("C:\\dir\\shared.bin");
  shared.wipe();
  ASSERT_EQ(shared.env.ui.messages.size(), 2u);
  EXPECT_EQ(shared.env.ui.messages[1].text,
            "shared.bin was not wiped: other names share its data. Only this name was deleted.");
  EXPECT_EQ(shared.env.ui.messages[1].icon, MsgIcon::Exclamation);
  EXPECT_TRUE(shared.env.files.sessions.empty());
}

// A target must name one place whatever the current folder; when either does not, nothing is wiped.
TEST(WipeCommand, TextThatIsNotAFullPathIsRefusedAndNothingIsWiped) {
  const char* refused[] = {"a.txt", "C:", "C:folder", "\\folder", "  dir\\x  "};
  for (bool inFileField : {true, false}) {
    for (const char* text : refused) {
      SCOPED_TRACE(std::string(text) + (inFileField ? " as file" : " as folder"));
      WipeTab tab;
      tab.env.files.addFile("C:\\ok\\file.txt", 10);
      tab.env.files.addFile("C:\\ok\\in\\inner.txt", 10);
      tab.view.txtFileToWipe.setText(inFileField ? text : "C:\\ok\\file.txt");
      tab.view.txtFolderToWipe.setText(inFileField ? "C:\\ok\\in" : text);
      tab.view.cmdWipe.click();
      ASSERT_EQ(tab.env.ui.messages.size(), 1u);
      const auto& refusal = tab.env.ui.messages[0];
      std::string trimmedText = text;
      trimmedText.erase(0, trimmedText.find_first_not_of(' '));
      trimmedText.erase(trimmedText.find_last_not_of(' ') + 1);
      EXPECT_EQ(refusal.text, "Nothing was wiped. This is not a full path:\n" + trimmedText +
                                  "\nGive the whole path, from a drive such as C:\\ or from \\\\server\\share.");
      EXPECT_EQ(refusal.icon, MsgIcon::Exclamation);
      EXPECT_TRUE(tab.env.files.sessions.empty());
      EXPECT_TRUE(tab.env.files.deletes.empty());
    }
  }

  // Whole drives and shares are full paths; blanks around the text do not count.
  const std::pair<const char*, const char*> allowed[] = {
      {"E:\\", "Target: every file in E:\\"},
      {"\\\\server\\share\\dir", "Target: every file in \\\\server\\share\\dir\\"},
      {"  C:\\f  ", "Target: every file in C:\\f\\"}};
  for (const auto& [text, line] : allowed) {
    WipeTab tab;
    tab.view.txtFolderToWipe.setText(text);
    tab.wipe(MsgAnswer::Cancel);
    ASSERT_EQ(tab.env.ui.messages.size(), 1u);
    EXPECT_EQ(tab.env.ui.messages[0].text, kWarning + "\n" + line);
  }
}

TEST(WipeCommand, EmptyFileTargetIsWipedAndSaidSoMissingOneIsPassedOverUnlessItsLengthFails) {
  WipeTab tab;
  tab.env.files.addFile("C:\\dir\\empty.txt", 0);
  tab.view.txtFileToWipe.setText("C:\\dir\\empty.txt");
  tab.wipe();
  ASSERT_EQ(tab.env.ui.messages.size(), 2u);
  EXPECT_EQ(tab.env.ui.messages[1].text, "empty.txt wiped");
  EXPECT_FALSE(tab.env.files.exists("C:\\dir\\empty.txt"));

  tab.env.ui.messages.clear();
  tab.env.files.sessions.clear();
  tab.view.txtFileToWipe.setText("C:\\dir\\missing.txt");
  tab.wipe();
  EXPECT_EQ(tab.env.ui.messages.size(), 1u);
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

TEST(WipeCommand, FolderTargetShredsEveryFileShowingTheLatestPath) {
  WipeTab tab;
  // Made in the walk's order: each subfolder's files come before its parent's later entries.
  const std::vector<std::string> expected{
      "C:\\f\\a",           "C:\\f\\one\\b",          "C:\\f\\one\\two\\c", "C:\\f\\one\\two\\d",
      "C:\\f\\one\\e",       "C:\\f\\f",               "C:\\f\\g",            "C:\\f\\three\\h",
      "C:\\f\\three\\four\\i", "C:\\f\\three\\j",        "C:\\f\\k",            "C:\\f\\l"};
  for (const auto& path : expected) tab.env.files.addFile(path, 100);
  tab.view.txtFolderToWipe.setText("C:\\f");
  tab.wipe();
  // Several files are wiped at once, so their passes interleave.
  const auto order = tab.shredOrder();
  EXPECT_EQ(std::set<std::string>(order.begin(), order.end()), std::set<std::string>(expected.begin(), expected.end()));
  for (const auto& path : expected) EXPECT_FALSE(tab.env.files.exists(path)) << path;
  // The window shows the latest file when it gets to repaint, and nothing once the wipe ends.
  const auto& statuses = tab.view.sbar.history;
  ASSERT_GE(statuses.size(), 2u);
  EXPECT_EQ(statuses.back(), "");
  EXPECT_EQ(statuses[statuses.size() - 2], "Currently wipingC:\\f\\l");
  for (std::size_t i = 0; i + 1 < statuses.size(); ++i)
    EXPECT_NE(std::find(expected.begin(), expected.end(), statuses[i].substr(16)), expected.end()) << statuses[i];
  EXPECT_EQ(tab.view.pointer.history, (std::vector<int>{kPointerBackground, kPointerDefault}));
  ASSERT_EQ(tab.env.ui.messages.size(), 2u);
  EXPECT_EQ(tab.env.ui.messages[1].text, "12File(s) wiped");
  EXPECT_EQ(tab.env.ui.messages[1].icon, MsgIcon::Information);
  EXPECT_TRUE(tab.env.files.exists("C:\\f\\three\\four"));
  EXPECT_EQ(tab.env.files.readFolder("C:\\f\\three\\four").entries.size(), 0u);
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
            "2File(s) wiped\n7 item(s) could not be wiped:\nC:\\f\\locked0: " + kBusy + "\nC:\\f\\locked1: " + kBusy +
                "\nC:\\f\\locked2: " + kBusy + "\nC:\\f\\locked3: " + kBusy + "\nC:\\f\\locked4: " + kBusy + "\n...");
  EXPECT_EQ(tab.env.ui.messages[1].icon, MsgIcon::Exclamation);
}

// Links go as names and count apart; what was left behind is listed with its reason, and the
// information icon shows only when nothing was.
TEST(WipeCommand, FolderMessageCountsRemovedLinksAndListsWhatWasLeftBehind) {
  WipeTab tab;
  tab.env.files.addFile("C:\\f\\plain", 10);
  tab.env.files.addFile("C:\\f\\shared", 10, 's').links = 2;
  tab.env.files.addFolder("C:\\f\\junction");
  tab.env.files.node("C:\\f\\junction").link = true;
  tab.env.files.addFile("C:\\f\\sub\\link").link = true;
  tab.env.files.addFile("C:\\f\\cloud", 10).dataLink = true;
  tab.view.txtFolderToWipe.setText("C:\\f");
  tab.wipe();
  ASSERT_EQ(tab.env.ui.messages.size(), 2u);
  EXPECT_EQ(tab.env.ui.messages[1].text,
            "1File(s) wiped\n2 link(s) removed; what they lead to was left alone\n2 item(s) could not be wiped:\n"
            "C:\\f\\shared: other names share its data\nC:\\f\\cloud: " +
                std::string(kDataLinkReason));
  EXPECT_EQ(tab.env.ui.messages[1].icon, MsgIcon::Exclamation);
  EXPECT_EQ(tab.shredOrder(), std::vector<std::string>{"C:\\f\\plain"});
  for (const char* gone : {"C:\\f\\shared", "C:\\f\\junction", "C:\\f\\sub\\link"})
    EXPECT_FALSE(tab.env.files.exists(gone)) << gone;
  EXPECT_TRUE(tab.env.files.exists("C:\\f\\cloud"));

  WipeTab onlyLinks;
  onlyLinks.env.files.addFile("C:\\g\\link").link = true;
  onlyLinks.view.txtFolderToWipe.setText("C:\\g");
  onlyLinks.wipe();
  EXPECT_EQ(onlyLinks.env.ui.messages.at(1).text, "0File(s) wiped\n1 link(s) removed; what they lead to was left alone");
  EXPECT_EQ(onlyLinks.env.ui.messages.at(1).icon, MsgIcon::Information);
}

// Removes one file right after the folder was listed, as another program might.
class VanishingFiles : public ForwardingFiles {
 public:
  VanishingFiles(FakeFiles& inner, std::string victim) : ForwardingFiles(inner), victim_(std::move(victim)) {}
  FolderListing readFolder(const std::string& folder) override {
    auto listing = inner_.readFolder(folder);
    inner_.deleteFile(victim_);
    return listing;
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
  Services services = servicesWithFiles(env, files);
  frmmain form(services, env.state, [] {});
  env.views.main->txtFolderToWipe.setText("C:\\f");
  form.tab<SecureWipeTab>().cmdWipe_Click();
  env.settle();
  ASSERT_EQ(env.ui.messages.size(), 2u);
  EXPECT_EQ(env.ui.messages[1].text,
            "2File(s) wiped\n1 item(s) could not be wiped:\nC:\\f\\b: The system cannot find the file specified.");
  EXPECT_FALSE(env.files.exists("C:\\f\\b"));
}

TEST(WipeCommand, MissingFolderIsSaidNotFoundAndBothTargetsRunFileFirst) {
  WipeTab tab;
  tab.view.txtFolderToWipe.setText("C:\\nowhere");
  tab.wipe();
  ASSERT_EQ(tab.env.ui.messages.size(), 2u);
  EXPECT_EQ(tab.env.ui.messages[1].text, "Nothing was wiped: the folder C:\\nowhere\\ was not found.");
  EXPECT_EQ(tab.env.ui.messages[1].icon, MsgIcon::Exclamation);

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
  EXPECT_EQ(both.view.pointer.history, (std::vector<int>{kPointerBackground, kPointerDefault}));

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
