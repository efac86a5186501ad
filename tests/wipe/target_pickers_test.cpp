#include <gtest/gtest.h>
#include "app/main_window.h"
#include "fakes/test_env.h"

namespace vellox::test {
namespace {

TEST(FolderPicker, OpensOnTheProgramFolderAndCancelEmptiesTheField) {
  TestEnv env;
  env.instance.folder = "C:\\Program Files\\Tarn Vellox";
  frmmain form(env.services, env.state, [] {});
  auto& view = *env.views.main;

  env.ui.folderResult = "D:\\Old Stuff";
  view.cmdBrowseForFolder.click();
  EXPECT_EQ(env.ui.folderCalls, 1);
  EXPECT_EQ(env.ui.lastInitialFolder, "C:\\Program Files\\Tarn Vellox");
  EXPECT_EQ(env.ui.lastFolderTitle, "&Select folder to wipe");
  EXPECT_EQ(env.ui.lastFolderOwner, view.nativeHandle());
  EXPECT_EQ(view.txtFolderToWipe.text(), "D:\\Old Stuff");

  env.ui.folderResult = "";
  view.cmdBrowseForFolder.click();
  EXPECT_EQ(view.txtFolderToWipe.text(), "");
}

TEST(FilePicker, ShowsEveryFileAndKeepsItsLastNameAcrossUsesAndCancels) {
  TestEnv env;
  frmmain form(env.services, env.state, [] {});
  auto& view = *env.views.main;

  // Cancelled before any choice: the field is left alone.
  view.txtFileToWipe.setText("typed by hand");
  env.ui.openFileResult = std::nullopt;
  view.cmdBrowseForFile.click();
  EXPECT_EQ(env.ui.lastFilter, "All Files (*.*)|*.*");
  EXPECT_EQ(env.ui.lastInitialName, "");
  EXPECT_EQ(view.txtFileToWipe.text(), "typed by hand");

  env.ui.openFileResult = "C:\\dir\\chosen.txt";
  view.cmdBrowseForFile.click();
  EXPECT_EQ(view.txtFileToWipe.text(), "C:\\dir\\chosen.txt");

  // Cancelled after a choice: the earlier choice is shown first and written back.
  view.txtFileToWipe.setText("edited");
  env.ui.openFileResult = std::nullopt;
  view.cmdBrowseForFile.click();
  EXPECT_EQ(env.ui.lastInitialName, "C:\\dir\\chosen.txt");
  EXPECT_EQ(view.txtFileToWipe.text(), "C:\\dir\\chosen.txt");
  EXPECT_EQ(env.ui.openFileCalls, 3);
}

}  // namespace
}  // namespace vellox::test
