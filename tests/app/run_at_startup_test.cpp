#include <gtest/gtest.h>
#include <functional>
#include <initializer_list>
#include <string>
#include "app/run_at_startup.h"
#include "fakes/running_app.h"

namespace vellox::test {
namespace {

const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* kValue = " Tarn Vellox";
const char* kCommand = "\"C:\\Program Files\\Tarn Vellox\\vellox.exe\"";

void closeWithTheCloseBox(RunningApp& run) { run.closeBox(); }
void closeWithOk(RunningApp& run) {
  run.view().cmdok.click();
  run.env.ui.runPosted();
}
void closeWithExit(RunningApp& run) {
  run.env.views.tray->nextChoice = TrayMenuItem::Exit;
  run.env.views.tray->onIconEvent(0x205);
}

struct Closer {
  const char* label;
  std::function<void(RunningApp&)> close;
  std::size_t questions;  // message boxes the close itself shows
};
const Closer kClosers[] = {
    {"close box", closeWithTheCloseBox, 0}, {"&Ok", closeWithOk, 0}, {"Exit", closeWithExit, 1}};

TEST(RunAtStartup, EveryCloseWritesTheQuotedCommandWhenAutostartIsOne) {
  for (const auto& closer : kClosers) {
    TestEnv env;
    env.settings.values[{kValue, "Settings", "autostart"}] = "1";
    RunningApp run(env);
    run.app.showMain(kTabAbout);
    EXPECT_FALSE(env.registry.hasValue(kRun, kValue)) << closer.label;
    closer.close(run);
    EXPECT_EQ(env.registry.stringValue(kRun, kValue), kCommand) << closer.label;
    EXPECT_EQ(env.registry.keys[kRun][kValue].type, kRegSz) << closer.label;
    EXPECT_EQ(env.registry.keys[kRun][kValue].data.back(), 0) << closer.label << ": stored with its NUL";
    EXPECT_EQ(env.registry.openKeys, 0) << closer.label;
  }
}

TEST(RunAtStartup, EveryCloseDeletesTheValueWhenAutostartIsZeroGreyOrMissing) {
  for (const auto& closer : kClosers) {
    for (const char* autostart : std::initializer_list<const char*>{"0", "2", nullptr}) {
      TestEnv env;
      if (autostart) env.settings.values[{kValue, "Settings", "autostart"}] = autostart;
      env.registry.setString(kRun, kValue, kCommand);
      env.registry.setString(kRun, "Other", "other.exe");
      RunningApp run(env);
      run.app.showMain(kTabAbout);
      closer.close(run);
      EXPECT_FALSE(env.registry.hasValue(kRun, kValue)) << closer.label << " " << (autostart ? autostart : "missing");
      EXPECT_EQ(env.registry.stringValue(kRun, "Other"), "other.exe");
      EXPECT_EQ(env.ui.messages.size(), closer.questions) << closer.label;
    }
  }
}

TEST(RunAtStartup, ExitBeforeTheWindowWasEverShownStillWritesTheValue) {
  TestEnv env;
  env.settings.values[{kValue, "Settings", "autostart"}] = "1";
  RunningApp run(env);
  closeWithExit(run);
  EXPECT_EQ(env.registry.stringValue(kRun, kValue), kCommand);
}

TEST(RunAtStartup, TheBoxIsNotStoredSoTheSecondCloseDeletesAgain) {
  TestEnv env;
  RunningApp run(env);
  run.app.showMain(kTabSecureWipe);
  run.view().chkautostart.setValue(1);
  run.closeBox();
  EXPECT_EQ(env.registry.stringValue(kRun, kValue), kCommand);

  run.app.showMain(kTabSecureWipe);
  EXPECT_EQ(run.view().chkautostart.value(), 0);
  run.closeBox();
  EXPECT_FALSE(env.registry.hasValue(kRun, kValue));
}

TEST(RunAtStartup, TheCommandFollowsTheProgramFolder) {
  struct Case {
    const char* folder;
    const char* command;
  };
  const Case cases[] = {
      {"C:\\Program Files\\Tarn Vellox", "\"C:\\Program Files\\Tarn Vellox\\vellox.exe\""},
      {"D:\\Tools", "\"D:\\Tools\\vellox.exe\""},
      {"E:\\", "\"E:\\vellox.exe\""},
  };
  for (const auto& c : cases) {
    TestEnv env;
    env.instance.folder = c.folder;
    setRunAtStartup(env.services, true);
    EXPECT_EQ(env.registry.stringValue(kRun, kValue), c.command);
  }
}

TEST(RunAtStartup, ARefusedKeyChangesNothingAndSaysNothing) {
  TestEnv env;
  env.registry.setString(kRun, kValue, "\"C:\\old\\vellox.exe\"");
  env.registry.refuseWrite = true;
  setRunAtStartup(env.services, true);
  EXPECT_EQ(env.registry.stringValue(kRun, kValue), "\"C:\\old\\vellox.exe\"");
  setRunAtStartup(env.services, false);
  EXPECT_TRUE(env.registry.hasValue(kRun, kValue));
  EXPECT_TRUE(env.ui.messages.empty());
}

TEST(RunAtStartup, DeletingAMissingValueIsQuiet) {
  TestEnv env;
  setRunAtStartup(env.services, false);
  EXPECT_FALSE(env.registry.hasValue(kRun, kValue));
  EXPECT_TRUE(env.ui.messages.empty());
  EXPECT_EQ(env.registry.openKeys, 0);
}

}  // namespace
}  // namespace vellox::test
