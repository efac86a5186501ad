#include <gtest/gtest.h>
#include <string>
#include "app/application.h"
#include "fakes/test_env.h"
#include "wipe/held_files.h"
#include "wipe/services_with_files.h"

namespace vellox::test {
namespace {

const std::string kWarning =
    "Warning! this will wipe the specified files and delete them. Once this is done they cannot be recovered";

// Starts the program with `launch` and lets start-up end.
StartResult start(TestEnv& env, Application& app, const LaunchRequest& launch = {}) {
  const StartResult result = app.startUp(launch);
  if (result == StartResult::Running) {
    env.views.splash->onActivate.fire();
    env.ui.runPosted();
  }
  return result;
}

// From Explorer's menu, the path reaches the running instance, or starts one; either
// way the window shows it on the Secure Wipe tab, the other field empty, and warns first.
TEST(WipeRequest, ThePathIsShownWithTheWarningWhetherHandedOverOrStartedWith) {
  const struct {
    const char* path;
    bool handedOver;
    const char* fileField;
    const char* folderField;
    std::string targetLine;
  } cases[] = {
      {"C:\\docs\\a b.txt", true, "C:\\docs\\a b.txt", "", "Target: the file C:\\docs\\a b.txt"},
      {"C:\\docs", true, "", "C:\\docs", "Target: every file in C:\\docs\\"},
      {"C:\\docs\\a b.txt", false, "C:\\docs\\a b.txt", "", "Target: the file C:\\docs\\a b.txt"},
      {"C:\\docs", false, "", "C:\\docs", "Target: every file in C:\\docs\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.path) + (c.handedOver ? " handed over" : " at start"));
    TestEnv first;
    first.files.addFile("C:\\docs\\a b.txt", 10);
    first.files.addFile("C:\\other.txt", 10);
    first.ui.answers.push_back(MsgAnswer::Cancel);
    Application running(first.services);
    ASSERT_EQ(start(first, running, c.handedOver ? LaunchRequest{} : LaunchRequest{c.path, ""}), StartResult::Running);
    if (c.handedOver) {
      running.showMain(kTabAbout);
      first.views.main->txtFileToWipe.setText("C:\\other.txt");
      first.views.main->txtFolderToWipe.setText("C:\\docs");
      TestEnv second;
      second.instance = FakeInstance(first.instance.system());
      Application asking(second.services);
      EXPECT_EQ(asking.startUp({c.path, ""}), StartResult::AlreadyRunning);
      EXPECT_TRUE(second.ui.messages.empty()) << "no \"already running\" box";
      EXPECT_EQ(second.views.tray, nullptr);
      EXPECT_TRUE(first.ui.messages.empty()) << "the path waits for the event loop";
      first.ui.runPosted();
    }
    ASSERT_NE(running.mainWindow(), nullptr);
    auto& view = *first.views.main;
    EXPECT_TRUE(view.visible());
    EXPECT_EQ(view.SSTab1.selected(), kTabSecureWipe);
    EXPECT_EQ(view.txtFileToWipe.text(), c.fileField);
    EXPECT_EQ(view.txtFolderToWipe.text(), c.folderField);
    ASSERT_EQ(first.ui.messages.size(), 1u);
    EXPECT_EQ(first.ui.messages[0].text, kWarning + "\n" + c.targetLine);
    EXPECT_EQ(first.ui.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(first.files.exists("C:\\docs\\a b.txt"));
    EXPECT_TRUE(first.files.exists("C:\\other.txt"));
  }
}

// The running wipe's button is Cancel: a request that pressed it would stop the wipe.
TEST(WipeRequest, WhileAWipeRunsAHandedPathOrADropChangesNothingAndStopsNothing) {
  TestEnv env;
  HeldFiles files{env.files};
  Services services = servicesWithFiles(env, files);
  Application app{services};
  env.files.addFile("C:\\f\\a.txt", 3000);
  env.files.addFile("C:\\other.txt", 10);
  ASSERT_EQ(start(env, app), StartResult::Running);
  app.showMain(kTabSecureWipe);
  auto& view = *env.views.main;
  view.txtFolderToWipe.setText("C:\\f");
  env.ui.answers.push_back(MsgAnswer::Ok);
  view.cmdWipe.click();
  ASSERT_TRUE(files.waitUntilHeld());

  app.wipeFromShell("C:\\other.txt");
  view.onFilesDropped({"C:\\other.txt"});
  EXPECT_EQ(view.txtFolderToWipe.text(), "C:\\f");
  EXPECT_EQ(view.txtFileToWipe.text(), "");
  ASSERT_EQ(env.ui.messages.size(), 2u);
  EXPECT_EQ(env.ui.messages[1].text, "A wipe is running. Once it has ended, shred C:\\other.txt again.");
  EXPECT_FALSE(app.state().wipe->cancelRequested());

  files.release();
  env.settle(app.state().worker);
  EXPECT_FALSE(env.files.exists("C:\\f\\a.txt"));
  EXPECT_TRUE(env.files.exists("C:\\other.txt"));
}

TEST(WipeRequest, AnUnknownArgumentIsNamedAndNothingStarts) {
  TestEnv env;
  Application app(env.services);
  EXPECT_EQ(app.startUp(parseCommandLine({"--shred", "C:\\a"})), StartResult::BadArguments);
  ASSERT_EQ(env.ui.messages.size(), 1u);
  EXPECT_EQ(env.ui.messages[0].text.rfind("Unknown argument: --shred\n", 0), 0u) << env.ui.messages[0].text;
  EXPECT_EQ(env.views.tray, nullptr);
  EXPECT_TRUE(env.instance.system()->held.empty());
}

}  // namespace
}  // namespace vellox::test
