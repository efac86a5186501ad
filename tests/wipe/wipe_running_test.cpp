// A wipe that runs beside the window: the window answers while it runs, Cancel stops it
// after the write in progress, and the program's exit and the session's end wait for that write.
#include <gtest/gtest.h>
#include <set>
#include <thread>
#include "app/application.h"
#include "fakes/test_env.h"
#include "wipe/held_files.h"
#include "wipe/services_with_files.h"

namespace vellox::test {
namespace {

constexpr std::size_t kFiles = 20;

std::string fileName(std::size_t i) { return "C:\\f\\file" + std::to_string(100 + i); }

// The application, started, with a folder wipe whose first write is held.
struct RunningWipe {
  TestEnv env;
  HeldFiles files{env.files};
  Services services = servicesWithFiles(env, files);
  Application app{services};

  RunningWipe() {
    for (std::size_t i = 0; i < kFiles; ++i) env.files.addFile(fileName(i), 3000);
    EXPECT_EQ(app.startUp(), StartResult::Running);
    env.views.splash->onActivate.fire();
    env.ui.runPosted();
    app.showMain(kTabSecureWipe);
    view().txtFolderToWipe.setText("C:\\f");
    env.ui.answers.push_back(MsgAnswer::Ok);
    view().cmdWipe.click();
    EXPECT_TRUE(files.waitUntilHeld());
  }
  ~RunningWipe() {
    files.release();
    settle();
  }
  HeadlessMainView& view() { return *env.views.main; }
  void settle() { env.settle(app.state().worker); }
  // Lets the held write go once the wipe has been told to stop, as the user's write would end.
  std::thread releaseOnStop() {
    return std::thread([this] {
      while (!app.state().worker.stopping()) std::this_thread::yield();
      files.release();
    });
  }
  std::size_t filesLeft() {
    std::size_t left = 0;
    for (std::size_t i = 0; i < kFiles; ++i) left += env.files.exists(fileName(i)) ? 1 : 0;
    return left;
  }
  std::size_t filesOpened() {
    std::set<std::string> opened;
    for (const auto& session : env.files.sessions) opened.insert(session.path);
    return opened.size();
  }
};

TEST(WipeRunning, TheWindowAnswersShowsProgressAndCancelLeavesTheRestAsItWas) {
  RunningWipe w;
  auto& view = w.view();
  EXPECT_EQ(view.cmdWipe.caption(), "&Cancel");
  for (Control* control : {static_cast<Control*>(&view.txtFolderToWipe), static_cast<Control*>(&view.txtFileToWipe),
                           static_cast<Control*>(&view.cmdBrowseForFolder), static_cast<Control*>(&view.optDOD)})
    EXPECT_FALSE(control->enabled());
  w.env.ui.runPosted();  // the window's turn, while the writes are held
  // Several files are wiped at once: the latest started is one of the first few.
  const std::size_t atOnce = ShredControl{}.workers;
  bool shown = false;
  for (std::size_t i = 0; i < atOnce; ++i)
    shown |= view.sbar.text() == "Currently wiping" + fileName(i) &&
             view.lblWipeFiles.text() == "file " + std::to_string(i + 1) + " of 20";
  EXPECT_TRUE(shown) << view.sbar.text() << " / " << view.lblWipeFiles.text();
  // The walk came first: the bar measures against every file's 3 passes, each a block longer.
  EXPECT_EQ(w.app.state().wipe->progress().bytesTotal, kFiles * (3072 + 4096 + 5120));
  EXPECT_EQ(view.prgWipe.permille(), 0) << "the first write is still held";
  // The window still does what it is asked, on another tab too.
  view.SSTab1.select(kTabAbout);
  EXPECT_EQ(view.SSTab1.selected(), kTabAbout);

  view.cmdWipe.click();  // Cancel: no second warning, no second wipe
  EXPECT_EQ(w.env.ui.messages.size(), 1u);
  EXPECT_FALSE(view.cmdWipe.enabled());
  w.files.release();
  w.settle();

  ASSERT_EQ(w.env.ui.messages.size(), 2u);
  // The files started before Cancel are listed, the others counted; none was deleted.
  std::size_t listed = 0;
  for (std::size_t started = 1; started <= atOnce; ++started) {
    std::string text = "0File(s) wiped\nCancelled: " + std::to_string(kFiles - started) +
                       " file(s) were left as they were\n" + std::to_string(started) + " item(s) could not be wiped:";
    for (std::size_t i = 0; i < started; ++i) text += "\n" + fileName(i) + ": the wipe was cancelled before it was done";
    if (w.env.ui.messages[1].text == text) listed = started;
  }
  EXPECT_NE(listed, 0u) << w.env.ui.messages[1].text;
  EXPECT_EQ(w.env.ui.messages[1].icon, MsgIcon::Exclamation);
  EXPECT_EQ(w.filesLeft(), kFiles);
  EXPECT_GE(w.filesOpened(), 1u);
  EXPECT_LE(w.filesOpened(), listed) << "files not reached are not even opened";
  EXPECT_EQ(view.cmdWipe.caption(), "&Wipe");
  EXPECT_TRUE(view.cmdWipe.enabled());
  EXPECT_TRUE(view.txtFolderToWipe.enabled());
  EXPECT_EQ(view.sbar.text(), "");
  EXPECT_EQ(view.lblWipeFiles.text(), "");
  EXPECT_EQ(view.prgWipe.permille(), 0);
}

// Closing the window leaves the wipe running; its message comes when it ends, with no window.
TEST(WipeRunning, AClosedWindowLetsTheWipeGoOnAndItsMessageStillComes) {
  RunningWipe w;
  w.view().cmdok.click();
  w.env.ui.runPosted();
  EXPECT_EQ(w.app.mainWindow(), nullptr);
  w.files.release();
  w.settle();
  ASSERT_EQ(w.env.ui.messages.size(), 2u);
  EXPECT_EQ(w.env.ui.messages[1].text, "20File(s) wiped");
  EXPECT_EQ(w.filesLeft(), 0u);
  const WipeProgress end = w.app.state().wipe->progress();
  EXPECT_EQ(end.bytesDone, end.bytesTotal);
  EXPECT_EQ(end.file, kFiles);

  // A window opened while a wipe runs shows it as running.
  TestEnv env;
  env.state.wipe = std::make_shared<WipeRun>(env.ui);
  frmmain form(env.services, env.state, [] {});
  EXPECT_EQ(env.views.main->cmdWipe.caption(), "&Cancel");
  EXPECT_FALSE(env.views.main->txtFolderToWipe.enabled());
}

TEST(WipeRunning, ExitAsksThenStopsAfterTheWriteInProgressAndEndsWithoutTheWipesMessage) {
  for (MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::Ok}) {
    RunningWipe w;
    w.env.ui.answers.push_back(answer);
    w.env.views.tray->nextChoice = TrayMenuItem::Exit;
    std::thread releaser = answer == MsgAnswer::Ok ? w.releaseOnStop() : std::thread();
    w.env.views.tray->onIconEvent(kWmRButtonUp);
    if (releaser.joinable()) releaser.join();
    ASSERT_EQ(w.env.ui.messages.size(), 2u);
    EXPECT_EQ(w.env.ui.messages[1].text, "A wipe is running. Stop it and exit?");
    EXPECT_EQ(w.env.ui.messages[1].buttons, MsgButtons::OkCancel);
    const bool ok = answer == MsgAnswer::Ok;
    EXPECT_EQ(w.app.ended(), ok);
    EXPECT_EQ(w.env.ui.quitCalled, ok);
    if (!ok) continue;
    EXPECT_TRUE(w.app.state().worker.idle()) << "the exit waited for the write in progress";
    w.settle();
    EXPECT_EQ(w.env.ui.messages.size(), 2u) << "no wipe message once the program ends";
    EXPECT_EQ(w.filesLeft(), kFiles);
  }
}

// The installer's request ends the program as Exit with OK does, without a box.
TEST(WipeRunning, AnExitRequestStopsTheWipeWithoutAskingAndEnds) {
  RunningWipe w;
  std::thread releaser = w.releaseOnStop();
  w.env.views.tray->onExitRequest.fire();
  releaser.join();
  EXPECT_EQ(w.env.ui.messages.size(), 1u) << "only the wipe's warning";
  EXPECT_TRUE(w.app.ended());
  EXPECT_TRUE(w.env.ui.quitCalled);
  EXPECT_FALSE(w.env.views.tray->iconShown);
  EXPECT_TRUE(w.app.state().worker.idle()) << "the write in progress ended first";
  EXPECT_EQ(w.filesLeft(), kFiles);
}

TEST(WipeRunning, TheSessionWaitsWithAReasonAndItsEndStopsTheWipeCleanly) {
  RunningWipe w;
  auto& tray = *w.env.views.tray;
  EXPECT_FALSE(tray.onQueryEndSession());
  EXPECT_EQ(tray.sessionEndBlockedFor, "Wiping files");
  std::thread releaser = w.releaseOnStop();
  tray.onEndSession(true);
  releaser.join();
  EXPECT_TRUE(w.app.state().worker.idle());
  EXPECT_EQ(tray.sessionEndBlockedFor, "");
  EXPECT_EQ(w.filesLeft(), kFiles) << "the file in progress stays whole where it was";

  // With no wipe running the session may end at once.
  TestEnv idle;
  Application app(idle.services);
  ASSERT_EQ(app.startUp(), StartResult::Running);
  EXPECT_TRUE(idle.views.tray->onQueryEndSession());
  EXPECT_EQ(idle.views.tray->sessionEndBlockedFor, "");
}

}  // namespace
}  // namespace vellox::test
