#include <gtest/gtest.h>
#include <future>
#include <memory>
#include <string>
#include <vector>
#include "common/app_identity.h"
#include "app/main_window.h"
#include "browsers/browser_choices.h"
#include "fakes/running_app.h"
#include "fakes/test_env.h"

// The Browsers tab over fake files: its rows, their check boxes and the settings
// they live in, Analyze and Clean on the worker.
namespace vellox::test {
namespace {

const std::string kLocal = "C:\\Users\\me\\AppData\\Local";
const std::string kChrome = kLocal + "\\Google\\Chrome\\User Data";
const std::string kFirefox = "C:\\Users\\me\\AppData\\Roaming\\Mozilla\\Firefox";
const std::string kFirefoxProfile = kFirefox + "\\Profiles\\abc.default-release";
const std::string kFirefoxCache = kLocal + "\\Mozilla\\Firefox\\Profiles\\abc.default-release\\cache2";
const std::string kChromeCache = kChrome + "\\Default\\Cache";
const std::string kChromeSession = kChrome + "\\Default\\Sessions\\Session_1";
using Settings = FakeSettingsStore::Address;
const Settings kItemsSetting{kAppTitle, "Settings", "browseritems"};

// Chrome with "Person 1" and Firefox with "default-release", each with a cache of two
// files; Chrome has a session too.
void addBrowsers(FakeFiles& files) {
  files.addFile(kChrome + "\\Local State", R"({"profile":{"info_cache":{"Default":{"name":"Person 1"}}}})");
  files.addFile(kChromeCache + "\\data_0", 1000);
  files.addFile(kChromeCache + "\\data_1", 2000);
  files.addFile(kChromeSession, 10);
  files.addFile(kFirefox + "\\profiles.ini", "[Profile0]\nName=default-release\nIsRelative=1\n"
                                             "Path=Profiles/abc.default-release\n");
  files.addFile(kFirefoxProfile + "\\prefs.js", "x");
  files.addFile(kFirefoxCache + "\\entries\\A", 100);
  files.addFile(kFirefoxCache + "\\entries\\B", 100);
}

struct BrowsersWindow {
  BrowsersWindow() {
    addBrowsers(env.files);
    form = std::make_unique<frmmain>(env.services, env.state, [] {});
    view().SSTab1.select(kTabBrowsers);
  }
  HeadlessMainView& view() { return *env.views.main; }
  HeadlessListView& list() { return view().lstBrowsers; }
  std::vector<std::string> column(int index) {
    std::vector<std::string> cells;
    for (std::size_t row = 0; row < list().count(); ++row) cells.push_back(list().subItem(row, index));
    return cells;
  }
  std::vector<bool> checks() {
    std::vector<bool> boxes;
    for (std::size_t row = 0; row < list().count(); ++row) boxes.push_back(list().checked(row));
    return boxes;
  }

  TestEnv env;
  std::unique_ptr<frmmain> form;
};

// Each visit of the tab finds the profiles again; a toggle is stored at once and a new
// window shows it.
TEST(BrowsersTab, RowsAreEveryItemOfEveryFoundProfileCheckedAsStored) {
  BrowserChoices choices = BrowserChoices::parse("");
  choices.setChecked("Firefox", "default-release", BrowserItem::History, false);
  BrowsersWindow w;
  w.env.settings.values[kItemsSetting] = choices.text();
  w.view().SSTab1.select(kTabAbout);
  w.view().SSTab1.select(kTabBrowsers);
  using Cells = std::vector<std::string>;
  EXPECT_EQ(w.column(0), (Cells{"Chrome", "Chrome", "Chrome", "Chrome", "Chrome", "Firefox", "Firefox", "Firefox",
                                "Firefox", "Firefox"}));
  EXPECT_EQ(w.column(1), (Cells{"Person 1", "Person 1", "Person 1", "Person 1", "Person 1", "default-release",
                                "default-release", "default-release", "default-release", "default-release"}));
  EXPECT_EQ(w.column(2), (Cells{"Cookies", "Site data", "History", "Cache", "Session", "Cookies", "Site data",
                                "History", "Cache", "Session"}));
  EXPECT_EQ(w.checks(), (std::vector<bool>{true, true, true, true, false, true, true, false, true, false}));

  w.list().userToggle(4);
  w.list().userToggle(5);
  frmmain second(w.env.services, w.env.state, [] {});
  w.env.views.main->SSTab1.select(kTabBrowsers);
  EXPECT_EQ(w.checks(), (std::vector<bool>{true, true, true, true, true, false, true, false, true, false}));
}

// Analyze changes nothing; Clean asks first, then leaves a running browser whole.
// Both run on the worker, with the buttons off meanwhile.
TEST(BrowsersTab, AnalyzeCountsAndCleanCleansTheCheckedRowsOfBrowsersNotRunningAndSaysSoOnce) {
  BrowsersWindow w;
  w.view().cmdAnalyze.click();
  EXPECT_FALSE(w.view().cmdAnalyze.enabled() || w.view().cmdClean.enabled());
  w.env.settle();
  EXPECT_NE(w.column(3)[3].find("in 2 files"), std::string::npos) << w.column(3)[3];
  EXPECT_NE(w.column(3)[8].find("in 2 files"), std::string::npos) << w.column(3)[8];
  EXPECT_TRUE(w.env.ui.messages.empty());
  w.env.ui.answers = {MsgAnswer::No};
  w.view().cmdClean.click();
  w.env.settle();
  EXPECT_TRUE(w.env.files.exists(kChromeCache + "\\data_0"));

  w.env.files.addFile(kFirefoxProfile + "\\parent.lock").locked = true;  // Firefox runs
  w.env.ui.answers = {MsgAnswer::Yes};
  w.view().cmdClean.click();
  w.view().cmdClean.click();  // while it runs: nothing more is asked
  w.env.settle();

  ASSERT_EQ(w.env.ui.messages.size(), 3u);
  EXPECT_EQ(w.env.ui.messages[1].text, "Clean the checked items?");
  EXPECT_EQ(w.env.ui.messages[1].buttons, MsgButtons::YesNo);
  const std::string closing = w.env.ui.messages[2].text;
  EXPECT_NE(closing.find("Chrome (Person 1): Cache: "), std::string::npos) << closing;
  EXPECT_EQ(closing.find("Chrome (Person 1): Cookies"), std::string::npos) << "it held nothing: " << closing;
  EXPECT_NE(closing.find("Firefox is running. Close it and press Clean again."), std::string::npos) << closing;
  EXPECT_EQ(closing.find("Firefox (default-release)"), std::string::npos) << closing;
  EXPECT_FALSE(w.env.files.exists(kChromeCache + "\\data_0"));
  EXPECT_TRUE(w.env.files.exists(kChromeSession));  // Session is not checked
  EXPECT_TRUE(w.env.files.exists(kFirefoxCache + "\\entries\\A"));
  EXPECT_EQ(w.column(3)[8], "in use: Firefox is running");  // "Found" tells what is left
  EXPECT_TRUE(w.view().cmdClean.enabled());
  EXPECT_EQ(w.view().sbar.text(), "");
}

// Stopped before its first row, as by a session end that then did not come.
TEST(BrowsersTab, AStoppedCleanSaysHowManyItemsItDidNotReachAndFillsFoundAgain) {
  BrowsersWindow w;
  std::promise<void> release;
  w.env.state.worker.run([released = release.get_future().share()](ShredControl&) { released.wait(); });
  w.env.ui.answers = {MsgAnswer::Yes};
  w.view().cmdClean.click();
  w.env.state.worker.cancelAll();
  release.set_value();
  w.env.settle();
  ASSERT_EQ(w.env.ui.messages.size(), 2u);
  EXPECT_EQ(w.env.ui.messages[1].text, "Stopped: 8 items not reached\n\nNothing was cleaned.");  // every checked row
  EXPECT_TRUE(w.env.files.exists(kChromeCache + "\\data_0"));
  EXPECT_NE(w.column(3)[3].find("in 2 files"), std::string::npos) << "Found again: " << w.column(3)[3];
  EXPECT_TRUE(w.view().cmdClean.enabled());
}

TEST(BrowsersTab, ACleanGoesOnWhenTheWindowClosesAndItsBoxStandsAlone) {
  TestEnv env;
  addBrowsers(env.files);
  RunningApp run(env);
  run.app.showMain(kTabBrowsers);
  env.ui.answers = {MsgAnswer::Yes};
  // The clean waits behind a job already on the worker; the window closes meanwhile.
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  run.app.state().worker.run([released](ShredControl&) { released.wait(); });
  run.view().cmdClean.click();
  run.view().onCloseBox.fire();
  env.ui.runPosted();
  EXPECT_EQ(run.app.mainWindow(), nullptr);
  run.app.showMain(kTabBrowsers);
  EXPECT_FALSE(run.view().cmdClean.enabled()) << "a new window follows the running clean";
  release.set_value();
  run.settle();
  EXPECT_FALSE(env.files.exists(kChromeCache + "\\data_0"));
  ASSERT_EQ(env.ui.messages.size(), 2u);
  EXPECT_TRUE(run.view().cmdClean.enabled());
}

}  // namespace
}  // namespace vellox::test
