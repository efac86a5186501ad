#include <gtest/gtest.h>
#include <string>
#include "wipe/explorer_verb.h"
#include "fakes/running_app.h"

namespace vellox::test {
namespace {

const std::string kFileVerb = "Software\\Classes\\*\\shell\\TarnVellox.Shred";
const std::string kFolderVerb = "Software\\Classes\\Directory\\shell\\TarnVellox.Shred";
const char* kCommand = "\"C:\\Program Files\\Tarn Vellox\\vellox.exe\" --wipe \"%1\"";

// The box shows what the registry holds when the window loads: both verbs, or it is clear.
TEST(ExplorerVerb, TheBoxShowsWhetherBothVerbsArePresent) {
  const struct {
    bool file, folder;
    int box;
  } cases[] = {{true, true, 1}, {true, false, 0}, {false, true, 0}, {false, false, 0}};
  for (const auto& c : cases) {
    TestEnv env;
    if (c.file) env.registry.setString(kFileVerb + "\\command", "", kCommand);
    if (c.folder) env.registry.setString(kFolderVerb + "\\command", "", kCommand);
    RunningApp run(env);
    run.app.showMain(kTabSecureWipe);
    EXPECT_EQ(run.view().chkExplorerVerb.value(), c.box) << c.file << c.folder;
    // Loading the box changes nothing.
    EXPECT_EQ(env.registry.keys.count(kFileVerb + "\\command"), c.file ? 1u : 0u);
    EXPECT_TRUE(env.ui.messages.empty());
  }
}

TEST(ExplorerVerb, TheBoxAddsTheQuotedCommandForFilesAndFoldersAndRemovesOnlyIt) {
  TestEnv env;
  env.instance.folder = "C:\\Program Files\\Tarn Vellox";
  env.registry.setString("Software\\Classes\\*\\shell\\other\\command", "", "other.exe \"%1\"");
  RunningApp run(env);
  run.app.showMain(kTabSecureWipe);
  run.view().chkExplorerVerb.click();
  for (const auto& verb : {kFileVerb, kFolderVerb}) {
    EXPECT_EQ(env.registry.stringValue(verb, ""), "Shred with Tarn Vellox") << verb;
    EXPECT_EQ(env.registry.stringValue(verb + "\\command", ""), kCommand) << verb;
  }
  EXPECT_EQ(env.registry.openKeys, 0);

  run.view().chkExplorerVerb.click();
  EXPECT_EQ(run.view().chkExplorerVerb.value(), 0);
  for (const auto& verb : {kFileVerb, kFolderVerb}) {
    EXPECT_EQ(env.registry.keys.count(verb), 0u) << verb;
    EXPECT_EQ(env.registry.keys.count(verb + "\\command"), 0u) << verb;
  }
  EXPECT_EQ(env.registry.stringValue("Software\\Classes\\*\\shell\\other\\command", ""), "other.exe \"%1\"");
  EXPECT_TRUE(env.ui.messages.empty());
}

TEST(ExplorerVerb, ARefusedWriteSaysWhyAndTheBoxStaysClear) {
  TestEnv env;
  env.registry.refuseWrite = true;
  env.registry.errorTexts[5] = "Access is denied.\r\n";
  RunningApp run(env);
  run.app.showMain(kTabSecureWipe);
  run.view().chkExplorerVerb.click();
  EXPECT_EQ(run.view().chkExplorerVerb.value(), 0);
  EXPECT_FALSE(explorerVerbPresent(env.services));
  ASSERT_EQ(env.ui.messages.size(), 1u);
  EXPECT_EQ(env.ui.messages[0].text, "Explorer's menu could not be changed: Access is denied.\r\n");
}

}  // namespace
}  // namespace vellox::test
