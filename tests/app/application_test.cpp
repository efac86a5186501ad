#include <gtest/gtest.h>
#include "common/app_identity.h"
#include "app/application.h"
#include "fakes/test_env.h"

namespace vellox::test {
namespace {

struct Started {
  TestEnv env;
  Application app{env.services};
  Started() {
    EXPECT_EQ(app.startUp(), StartResult::Running);
    env.views.splash->onActivate.fire();
    env.ui.runPosted();
  }
};

// The entry point builds the services first and the application last: the history store
// must go with the application, while the service it came from is still there.
TEST(ShutDown, TheHistoryStoreIsReleasedWithTheApplication) {
  TestEnv env;
  {
    Application app(env.services);
    ASSERT_EQ(app.startUp(), StartResult::Running);
    ASSERT_EQ(env.urlHistory.state->openStores, 1);
  }
  EXPECT_EQ(env.urlHistory.state->openStores, 0);
}

TEST(StartUp, AddsTheIconLoadsTheWindowHiddenAndDropsTheSplash) {
  TestEnv env;
  Application app(env.services);
  ASSERT_EQ(app.startUp(), StartResult::Running);
  EXPECT_TRUE(app.state().showIndexDat);
  EXPECT_TRUE(env.views.tray->iconShown);
  EXPECT_EQ(env.views.tray->tip, " Tarn Vellox");
  EXPECT_TRUE(env.views.splash->shown);
  EXPECT_EQ(env.views.splash->version(), "Version 1.0");
  EXPECT_FALSE(env.views.splash->general().empty());
  EXPECT_EQ(app.mainWindow(), nullptr);

  env.views.splash->onActivate.fire();
  EXPECT_EQ(env.views.splash->action(), "Loading preferences...");
  env.ui.runPosted();  // the rest waits for the event loop
  ASSERT_NE(app.mainWindow(), nullptr);
  EXPECT_FALSE(env.views.main->visible());
  EXPECT_EQ(env.views.main->caption(), " Tarn Vellox");
  EXPECT_EQ(app.splash(), nullptr);
  EXPECT_TRUE(env.ui.messages.empty());
}

TEST(StartUp, ASecondInstanceIsRefusedAndChangesNothing) {
  TestEnv first;
  Application running(first.services);
  ASSERT_EQ(running.startUp(), StartResult::Running);

  TestEnv second;
  second.instance = FakeInstance(first.instance.system());
  Application refused(second.services);
  EXPECT_EQ(refused.startUp(), StartResult::AlreadyRunning);
  ASSERT_EQ(second.ui.messages.size(), 1u);
  EXPECT_EQ(second.ui.messages[0].text, " Tarn Vellox is already running");
  EXPECT_EQ(second.ui.messages[0].caption, " Tarn Vellox");
  EXPECT_EQ(second.ui.messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(second.views.tray, nullptr);
  EXPECT_EQ(second.views.splash, nullptr);
  EXPECT_TRUE(second.settings.reads.empty());
  EXPECT_EQ(second.registry.opens, 0);
  EXPECT_TRUE(first.views.tray->iconShown);
}

// At logon the shell may not take the icon yet: start-up goes on and the icon
// is tried again on a timer and when the taskbar appears, for two minutes.
TEST(StartUp, ARefusedTrayIconIsTriedAgainForTwoMinutesBeforeTheProgramGivesUp) {
  enum class Retry { Timer, TaskbarCreated };
  const struct Case {
    const char* name;
    Retry retry;
    std::chrono::seconds at;
    bool shellReady;
    bool running;  // afterwards
  } cases[] = {
      {"taken on a tick just before the limit", Retry::Timer, std::chrono::seconds(119), true, true},
      {"taken when the taskbar appears", Retry::TaskbarCreated, std::chrono::seconds(30), true, true},
      {"still refused before the limit", Retry::Timer, std::chrono::seconds(119), false, true},
      {"refused at the limit", Retry::Timer, std::chrono::seconds(120), false, false},
      {"refused when the taskbar appears after the limit", Retry::TaskbarCreated, std::chrono::seconds(121),
       false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestEnv env;
    env.views.failTray = true;
    auto now = std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
    Application app(env.services, [&now] { return now; });
    ASSERT_EQ(app.startUp(), StartResult::Running);
    HeadlessTrayView& tray = *env.views.tray;
    EXPECT_EQ(tray.retryInterval, kIconRetryInterval);
    EXPECT_TRUE(env.views.splash->shown);

    now += c.at;
    tray.failAdd = !c.shellReady;
    (c.retry == Retry::Timer ? tray.onRetryTimer : tray.onTaskbarCreated).fire();
    EXPECT_EQ(tray.iconShown, c.shellReady);
    EXPECT_EQ(tray.retryInterval.has_value(), c.running && !c.shellReady);
    EXPECT_EQ(app.ended(), !c.running);
    EXPECT_EQ(env.ui.quitCalled, !c.running);
    if (c.running) {
      EXPECT_TRUE(env.ui.messages.empty());
    } else {
      ASSERT_EQ(env.ui.messages.size(), 1u);
      EXPECT_NE(env.ui.messages[0].text.find("notification area"), std::string::npos);
    }
  }
}

TEST(Tray, ButtonEventsPopTheMenuAndOthersDoNothing) {
  Started s;
  auto& tray = *s.env.views.tray;
  tray.onIconEvent(0x201);
  tray.onIconEvent(0x205);
  tray.onIconEvent(0x200);
  tray.onIconEvent(0x202);
  tray.onIconEvent(0x204);
  EXPECT_EQ(tray.popups, 2);
  EXPECT_FALSE(s.env.views.main->visible());
}

TEST(Tray, MenuItemsShowTheWindowOnTheirTab) {
  Started s;
  auto& tray = *s.env.views.tray;
  tray.nextChoice = TrayMenuItem::About;
  tray.onIconEvent(0x201);
  ASSERT_TRUE(s.env.views.main->visible());
  EXPECT_EQ(s.env.views.main->SSTab1.selected(), kTabAbout);
  tray.nextChoice = TrayMenuItem::Show;
  tray.onIconEvent(0x205);
  EXPECT_EQ(s.env.views.main->SSTab1.selected(), kTabSecureWipe);
  EXPECT_EQ(s.env.views.mainsCreated, 1);
}

TEST(Tray, DoubleClickShowsTheWindowWithoutChangingTheTab) {
  Started s;
  s.app.showMain(kTabAbout);
  s.env.views.tray->onIconEvent(0x203);
  EXPECT_TRUE(s.env.views.main->visible());
  EXPECT_EQ(s.env.views.main->SSTab1.selected(), kTabAbout);
  EXPECT_EQ(s.env.views.main->shows, 2);
}

TEST(MainWindow, ShowingActivatesItAndLoadsThePrefsEachTime) {
  Started s;
  const auto& reads = s.env.settings.reads;
  const auto before = reads.size();
  s.app.showMain(kTabSecureWipe);
  const auto afterFirst = reads.size();
  ASSERT_GT(afterFirst, before);
  auto& view = *s.env.views.main;
  EXPECT_EQ(view.repaints, 1);
  EXPECT_DOUBLE_EQ(view.lstcookies.columnWidth(0), view.lstcookies.width() / 2.0);
  EXPECT_DOUBLE_EQ(view.lstcookies.columnWidth(1), view.lstcookies.width() / 2.0);
  EXPECT_EQ(view.lblappname.text(), " Tarn Vellox 1.0");
  EXPECT_FALSE(view.lbladdress.text().empty());
  EXPECT_NE(view.lbladdress.text().find("\r\n"), std::string::npos);
  EXPECT_FALSE(view.lblwarning.text().empty());
  EXPECT_FALSE(view.lblurl.text().empty());
  s.app.showMain(kTabSecureWipe);
  EXPECT_EQ(view.repaints, 2);
  // The second showing reads the same preferences again, in the same order.
  EXPECT_EQ(std::vector<std::string>(reads.begin() + afterFirst, reads.end()),
            std::vector<std::string>(reads.begin() + before, reads.begin() + afterFirst));
}

// Closed, the window is hidden and deaf at once; its destruction waits while any
// handler runs (here: until the posted tasks run), and meanwhile a late event on
// it reaches nothing, least of all the newer window.
TEST(MainWindow, AClosedWindowIsGoneAtOnceAndComesBackFresh) {
  Started s;
  s.app.showMain(kTabSecureWipe);
  auto* first = s.env.views.main;
  bool destroyed = false;
  first->destroyedFlag = &destroyed;
  first->txtFileToWipe.setText("C:\\a.txt");
  first->txtFolderToWipe.setText("C:\\data");
  first->SSTab1.select(kTabAbout);
  first->onCloseBox.fire();
  EXPECT_FALSE(first->visible());
  EXPECT_EQ(s.app.mainWindow(), nullptr);

  s.env.views.tray->onIconEvent(0x203);
  auto* second = s.env.views.main;
  EXPECT_EQ(s.env.views.mainsCreated, 2);
  EXPECT_TRUE(second->visible());
  EXPECT_EQ(second->txtFileToWipe.text(), "");
  EXPECT_EQ(second->txtFolderToWipe.text(), "");
  EXPECT_EQ(second->SSTab1.selected(), kTabSecureWipe);
  EXPECT_TRUE(second->optQuick.value());

  frmmain* newer = s.app.mainWindow();
  const auto reads = s.env.settings.reads.size();
  s.env.urlCache.add("http://listed.test/");
  first->onCloseBox.fire();
  first->cmdok.click();
  first->chkEmptyRecycleBin.setValue(1);
  first->SSTab1.select(kTabCache);
  EXPECT_EQ(s.app.mainWindow(), newer);
  EXPECT_TRUE(second->visible());
  EXPECT_EQ(s.env.shell.recycleBinEmptied, 0);
  EXPECT_TRUE(s.env.settings.values.empty());
  EXPECT_EQ(s.env.settings.reads.size(), reads);
  EXPECT_EQ(s.env.urlCache.allocations, 0);
  EXPECT_FALSE(destroyed);
  s.env.ui.runPosted();
  EXPECT_TRUE(destroyed);
}

TEST(Exit, CancelChangesNothing) {
  Started s;
  s.app.showMain(kTabAbout);
  s.env.ui.answers.push_back(MsgAnswer::Cancel);
  s.env.views.tray->nextChoice = TrayMenuItem::Exit;
  s.env.views.tray->onIconEvent(0x201);
  ASSERT_EQ(s.env.ui.messages.size(), 1u);
  EXPECT_EQ(s.env.ui.messages[0].text, "Do you wish to end the application?");
  EXPECT_EQ(s.env.ui.messages[0].icon, MsgIcon::None);
  EXPECT_EQ(s.env.ui.messages[0].buttons, MsgButtons::OkCancel);
  EXPECT_FALSE(s.app.ended());
  EXPECT_FALSE(s.env.ui.quitCalled);
  EXPECT_TRUE(s.env.views.tray->iconShown);
  ASSERT_NE(s.app.mainWindow(), nullptr);
  EXPECT_TRUE(s.env.views.main->visible());
  EXPECT_EQ(s.env.views.main->SSTab1.selected(), kTabAbout);
}

TEST(Exit, OkUnloadsTheWindowRemovesTheIconAndEnds) {
  Started s;
  bool destroyed = false;
  s.env.views.main->destroyedFlag = &destroyed;
  s.env.views.tray->nextChoice = TrayMenuItem::Exit;
  s.env.views.tray->onIconEvent(0x205);
  EXPECT_TRUE(s.app.ended());
  EXPECT_TRUE(s.env.ui.quitCalled);
  EXPECT_FALSE(s.env.views.tray->iconShown);
  EXPECT_EQ(s.app.mainWindow(), nullptr);
  s.env.ui.runPosted();
  EXPECT_TRUE(destroyed);
}

TEST(MainWindow, OkButtonClosesTheWindowButKeepsTheProgram) {
  Started s;
  s.app.showMain(kTabSecureWipe);
  s.env.views.main->cmdok.click();
  EXPECT_EQ(s.app.mainWindow(), nullptr);
  EXPECT_FALSE(s.app.ended());
  EXPECT_TRUE(s.env.views.tray->iconShown);
}

}  // namespace
}  // namespace vellox::test
