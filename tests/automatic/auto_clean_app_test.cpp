// The moments of an automatic clean, as the application meets them: start-up, the
// tray's Exit and the end of the session; and the options that lead to it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>
#include "automatic/auto_world.h"
#include "fakes/running_app.h"
#include "wipe/held_files.h"
#include "wipe/services_with_files.h"

namespace vellox::test {
namespace {

void store(TestEnv& env, std::initializer_list<const char*> keys) {
  for (const char* key : keys) env.settings.values[{" Tarn Vellox", "Settings", key}] = "1";
}

TEST(AutoCleanApp, StartUpCleansOnceWhenItsBoxIsStoredAndLogsTheRun) {
  for (bool onStart : {false, true}) {
    TestEnv env;
    AutoWorld world(env);
    store(env, {"autodelcookies", "autodelcache", "autodelhistory"});
    if (onStart) store(env, {"runonstart"});
    RunningApp run(env);
    EXPECT_EQ(world.cookiesLeft(), onStart ? 0 : 3);
    EXPECT_EQ(env.urlCache.entries.size(), onStart ? 1u : 2u);
    EXPECT_EQ(env.urlHistory.state->clearCalls, onStart ? 1 : 0);
    EXPECT_TRUE(env.ui.messages.empty());
    const std::string log = world.log();
    EXPECT_EQ(log.empty(), !onStart);
    if (onStart) {
      EXPECT_NE(log.find(" | start-up | cleaned: cookie folder: 3 files; cache: 1 entry; visited-URL history | "
                         "skipped: cache: 1 entry holding \"Cookie\" kept"),
                std::string::npos)
          << log;
      EXPECT_EQ(log.find("\r\n"), log.size() - 2) << "one line per run";
    }
    // Opening the window again loads the preferences again, and cleans nothing more.
    env.files.addFile(AutoWorld::cookie("later.txt"), 10);
    run.app.showMain(kTabGeneral);
    run.settle();
    EXPECT_TRUE(env.files.exists(AutoWorld::cookie("later.txt")));
  }
}

// The Recycle Bin is emptied on the window's thread: a clean of it alone ends within
// start-up's own event.
TEST(AutoCleanApp, AStartUpCleanOnTheWindowsThreadAloneEndsAndIsLogged) {
  TestEnv env;
  AutoWorld world(env);
  store(env, {"runonstart", "autoemptyrecyclebin"});
  RunningApp run(env);
  EXPECT_TRUE(env.shell.bin.empty());
  EXPECT_NE(world.log().find(" | start-up | cleaned: Recycle Bin | skipped: nothing"), std::string::npos)
      << world.log();
}

// After OK, before the process ends; the open window shows each step in its status bar.
TEST(AutoCleanApp, ExitCleansBeforeTheEndShowingProgressInTheOpenWindow) {
  TestEnv env;
  AutoWorld world(env);
  store(env, {"runonshutdown", "autodelcookies", "autodelhistory"});
  RunningApp run(env);
  EXPECT_EQ(world.cookiesLeft(), 3) << "nothing at start-up";
  run.app.showMain(kTabGeneral);
  std::string shown;
  env.urlHistory.state->onClear = [&] { shown = run.view().sbar.text(); };
  env.ui.answers.push_back(MsgAnswer::Ok);
  run.app.exitSequence();
  EXPECT_TRUE(run.app.ended());
  EXPECT_EQ(world.cookiesLeft(), 0);
  EXPECT_EQ(shown, "Clearing History...");
  EXPECT_NE(world.log().find(" | exit | cleaned: cookie folder: 3 files; visited-URL history | skipped: nothing"),
            std::string::npos)
      << world.log();
}

// Windows is told why it waits while the clean runs, and may end the session after it.
TEST(AutoCleanApp, TheSessionsEndCleansUnderAStatedReasonThenAllowsTheEnd) {
  TestEnv env;
  AutoWorld world(env);
  store(env, {"runonshutdown", "autodelcookies", "autoemptyrecyclebin"});
  RunningApp run(env);
  run.closeBox();  // with the window closed, the stored options hold
  std::string reasonWhileCleaning;
  env.shell.onEmptyRecycleBin = [&] { reasonWhileCleaning = env.views.tray->sessionEndBlockedFor; };
  EXPECT_TRUE(env.views.tray->onQueryEndSession());
  EXPECT_EQ(reasonWhileCleaning, "Cleaning browser traces");
  EXPECT_EQ(env.views.tray->sessionEndBlockedFor, "");
  EXPECT_EQ(world.cookiesLeft(), 0);
  EXPECT_NE(world.log().find(" | end of session | cleaned: cookie folder: 3 files; Recycle Bin"), std::string::npos)
      << world.log();
}

// The wipe stops after the write in progress; only then does the clean of the session's end run, once.
TEST(AutoCleanApp, ASessionEndedOverAWipeIsCleanedOnceTheWipeHasStopped) {
  TestEnv env;
  AutoWorld world(env);
  store(env, {"runonshutdown", "autodelcookies"});
  HeldFiles files(env.files);
  Services services = servicesWithFiles(env, files);
  Application app(services);
  ASSERT_EQ(app.startUp(), StartResult::Running);
  env.views.splash->onActivate.fire();
  env.ui.runPosted();
  app.showMain(kTabSecureWipe);
  env.views.main->txtFileToWipe.setText(std::string(AutoWorld::kTemp) + "t.tmp");
  env.ui.answers.push_back(MsgAnswer::Ok);
  env.views.main->cmdWipe.click();
  ASSERT_TRUE(files.waitUntilHeld());
  EXPECT_FALSE(env.views.tray->onQueryEndSession());
  EXPECT_EQ(world.cookiesLeft(), 3) << "not while the wipe runs";
  std::thread releaser([&] {
    while (!app.state().worker.stopping()) std::this_thread::yield();
    files.release();
  });
  env.views.tray->onEndSession(true);
  releaser.join();
  EXPECT_EQ(world.cookiesLeft(), 0);
  EXPECT_THAT(world.log(),
              testing::MatchesRegex("[^\n]* [|] end of session [|] cleaned: cookie folder: 3 files[^\n]*\r\n"));
  env.settle(app.state().worker);
}

// A start-up clean that the session's end overtakes is logged once, as cut off, naming the
// steps it never began; what its worker still ends afterwards adds nothing to that line.
TEST(AutoCleanApp, AStartUpCleanOvertakenByTheSessionsEndIsLoggedAsCutOff) {
  TestEnv env;
  AutoWorld world(env);
  store(env, {"runonstart", "autodelcookies", "autodelcache", "autoemptyrecyclebin"});
  Application app(env.services);
  ASSERT_EQ(app.startUp(), StartResult::Running);
  env.views.splash->onActivate.fire();
  env.ui.runPosted();  // start-up: the first step goes to the worker
  EXPECT_TRUE(env.views.tray->onQueryEndSession());
  env.views.tray->onEndSession(true);
  env.settle(app.state().worker);
  EXPECT_THAT(world.log(), testing::MatchesRegex("[^\n]* [|] start-up [|] [^\n]* [|] cut off as the session ended; "
                                                 "not reached: [^\n]*; Recycle Bin\r\n"));
}

TEST(AutoCleanApp, TheAboutTabsLinkOpensTheLogOnceThereIsOne) {
  TestEnv env;
  AutoWorld world(env);
  RunningApp run(env);
  run.app.showMain(kTabAbout);
  EXPECT_EQ(run.view().lblcleanlog.text(), "Open the log of automatic cleaning");
  run.view().lblcleanlog.click();
  ASSERT_EQ(env.ui.messages.size(), 1u);
  EXPECT_EQ(env.ui.messages[0].text, "No automatic clean has run yet, so there is no log to open.");
  EXPECT_TRUE(env.shell.openedUrls.empty());
  env.files.addFile(AutoWorld::kLog, "a line\r\n");
  run.view().lblcleanlog.click();
  EXPECT_EQ(env.shell.openedUrls, std::vector<std::string>{AutoWorld::kLog});
}

// The buttons honour "Secure Wipe all other areas" as the automatic clean does.
TEST(AutoCleanApp, SecureForAllShredsWhatTheButtonsDeleteAtTheChosenLevel) {
  for (bool quick : {true, false}) {
    TestEnv env;
    AutoWorld world(env);
    const std::string chrome = "C:\\Users\\me\\AppData\\Local\\Google\\Chrome\\User Data";
    env.files.addFile(chrome + "\\Local State", R"({"profile":{"info_cache":{"Default":{"name":"Person 1"}}}})");
    env.files.addFile(chrome + "\\Default\\Cache\\data_0", 10);
    RunningApp run(env);
    run.app.showMain(kTabCookies);
    run.view().chkSecureForAll.setValue(1);
    run.view().optQuick.setValue(quick);
    run.view().optDOD.setValue(!quick);
    const std::vector<std::uint8_t> passes(quick ? 3 * 1024 : 7 * 1024, 1);
    run.view().cmdselectallcookies.click();
    env.ui.answers.push_back(MsgAnswer::Yes);
    run.view().cmddelcookies.click();
    EXPECT_EQ(env.files.deletedData[AutoWorld::cookie("a.txt")], passes);
    run.view().SSTab1.select(kTabCache);
    run.view().chkDelCachedPasswords.setValue(1);
    run.view().cmdDelAllFromCache.click();
    EXPECT_EQ(env.files.deletedData[AutoWorld::kCached], passes);
    EXPECT_TRUE(env.urlCache.entries.empty());
    run.view().chkdeltempfiles.setValue(1);
    run.settle();
    EXPECT_EQ(env.files.deletedData[std::string(AutoWorld::kTemp) + "t.tmp"], passes);
    run.view().SSTab1.select(kTabBrowsers);
    env.ui.answers.push_back(MsgAnswer::Yes);
    run.view().cmdClean.click();
    run.settle();
    EXPECT_EQ(env.files.deletedData[chrome + "\\Default\\Cache\\data_0"], passes);
  }
}

}  // namespace
}  // namespace vellox::test
