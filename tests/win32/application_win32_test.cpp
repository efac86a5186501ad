#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include "app/application.h"
#include "fakes/test_env.h"
#include "gui_test_util.h"
#include "ui/win32/resources/resource.h"
#include "platform/win32/win32_services.h"
#include "ui/win32/view_factory.h"
#include "ui/win32/win32_ui.h"

namespace vellox::test {
namespace {

const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The whole application in this process with its real windows; the services
// behind them are fakes, so nothing outside the test changes.
struct RealWindows : TestEnv {
  RealWindows() { initCommonControls(); }
  std::unique_ptr<ViewFactory> realViews = win32::makeViewFactory(GetModuleHandleW(nullptr));
  Services realServices = servicesWith(*realViews);
  Application app{realServices};

  HWND tray() { return WindowWatcher::findOwn(VELLOX_TRAY_CLASS, L"", false); }
  HWND mainWindow() { return WindowWatcher::findOwn(VELLOX_MAIN_CLASS, L"", false); }
  int selectedTab() { return static_cast<int>(SendMessageW(GetDlgItem(mainWindow(), IDC_SSTAB1), TCM_GETCURSEL, 0, 0)); }
  void iconEvent(UINT mouse) { PostMessageW(tray(), WM_VELLOX_TRAYICON, VELLOX_TRAY_ICON_ID, mouse); }
  // Pops the tray menu with a press on the icon and picks the item at `position` (1-based).
  void chooseFromTrayMenu(int position) {
    ASSERT_TRUE(pumpUntil([] { return !WindowWatcher::findOwn(L"#32768", L""); }));
    WindowWatcher menu(L"#32768", L"", [position](HWND popup) { chooseMenuItem(popup, position - 1); });
    iconEvent(WM_LBUTTONDOWN);
    // The item's action has run by the time the menu's loop lets the pump go on.
    ASSERT_TRUE(pumpUntil([&] { return menu.acted(); }, 10000));
  }
};

TEST(ApplicationWindows, StartUpLeavesOnlyTheTrayAndAHiddenMainWindow) {
  RealWindows w;
  ASSERT_EQ(w.app.startUp(), StartResult::Running);
  ASSERT_NE(w.tray(), nullptr);
  EXPECT_FALSE(IsWindowVisible(w.tray()));
  HWND splash = WindowWatcher::findOwn(VELLOX_SPLASH_CLASS, L"", false);
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(textOf(GetDlgItem(splash, IDC_LBLVERSION)), "Version 1.0");

  // The splash's activation loads the main window, hidden, and the splash goes.
  ASSERT_TRUE(pumpUntil([&] { return textOf(GetDlgItem(splash, IDC_LBLACTION)) == "Loading preferences..."; }, 10000));
  w.ui.runPosted();
  ASSERT_NE(w.app.mainWindow(), nullptr);
  EXPECT_FALSE(IsWindow(splash));
  ASSERT_NE(w.mainWindow(), nullptr);
  EXPECT_FALSE(IsWindowVisible(w.mainWindow()));
  EXPECT_EQ(textOf(w.mainWindow()), " Tarn Vellox");
  EXPECT_EQ(textOf(GetDlgItem(GetDlgItem(w.mainWindow(), IDC_PAGE_ABOUT), IDC_LBLAPPNAME)), " Tarn Vellox 1.0");
  EXPECT_TRUE(w.ui.messages.empty());
}

TEST(ApplicationWindows, TrayOpensTheWindowClosingDestroysItAndExitAsksFirst) {
  RealWindows w;
  ASSERT_EQ(w.app.startUp(), StartResult::Running);
  ASSERT_TRUE(pumpUntil([&] {
    w.ui.runPosted();
    return w.app.mainWindow() != nullptr;
  }, 10000));

  // A double-click shows the window on the tab it has.
  SendMessageW(w.tray(), WM_VELLOX_TRAYICON, VELLOX_TRAY_ICON_ID, WM_LBUTTONDBLCLK);
  HWND first = w.mainWindow();
  EXPECT_TRUE(IsWindowVisible(first));
  EXPECT_EQ(w.selectedTab(), kTabSecureWipe);
  w.chooseFromTrayMenu(2);  // About
  EXPECT_EQ(w.selectedTab(), kTabAbout);

  // The close box writes the Run value from the check box and destroys the window.
  w.app.mainWindow()->chkautostart.setValue(1);
  SendMessageW(first, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(first));  // at once, before its destruction
  EXPECT_NE(w.registry.stringValue(kRunKey, " Tarn Vellox").find("vellox.exe"), std::string::npos);
  w.ui.runPosted();
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(w.app.mainWindow(), nullptr);

  w.chooseFromTrayMenu(1);  // Show Vellox: a fresh window on "Secure Wipe"
  HWND second = w.mainWindow();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(IsWindowVisible(second));
  EXPECT_EQ(w.selectedTab(), kTabSecureWipe);

  w.ui.answers = {MsgAnswer::Cancel};
  w.chooseFromTrayMenu(3);  // Exit, then Cancel: nothing changes
  ASSERT_EQ(w.ui.messages.size(), 1u);
  EXPECT_EQ(w.ui.messages[0].text, "Do you wish to end the application?");
  EXPECT_FALSE(w.ui.quitCalled);
  EXPECT_TRUE(IsWindowVisible(second));

  w.ui.answers = {MsgAnswer::Ok};
  w.chooseFromTrayMenu(3);  // Exit, then OK
  EXPECT_TRUE(w.ui.quitCalled);
  EXPECT_TRUE(w.app.ended());
  w.ui.runPosted();
  EXPECT_FALSE(IsWindow(second));
  EXPECT_FALSE(w.registry.hasValue(kRunKey, " Tarn Vellox"));  // the fresh window's box was unchecked
}

// The splash's start-up finishing (its fallback timer, here made to fire) can
// come while the user already has the window open, inside one of its handlers'
// message boxes. The real Ui runs the posted finish only after that handler.
TEST(ApplicationWindows, StartUpFinishingLateKeepsTheOpenWindowAndRunsTheOptionsOnce) {
  TestEnv env;
  initCommonControls();
  env.settings.saveSetting(" Tarn Vellox", "Settings", "autoemptyrecyclebin", "1");
  std::unique_ptr<Ui> ui = win32::makeUi();
  std::unique_ptr<ViewFactory> views = win32::makeViewFactory(GetModuleHandleW(nullptr));
  Services services{*ui,          *views,         env.settings,   env.registry,
                    env.shell,    env.files,      env.urlCache,   env.urlHistory,
                    env.download, env.instance,   env.systemFolders, env.processes, env.freeSpace};
  Application app(services);
  ASSERT_EQ(app.startUp(), StartResult::Running);
  HWND splash = WindowWatcher::findOwn(VELLOX_SPLASH_CLASS, L"", false);
  ASSERT_NE(splash, nullptr);

  // The user opens the window from the tray before start-up has finished.
  SendMessageW(WindowWatcher::findOwn(VELLOX_TRAY_CLASS, L"", false), WM_VELLOX_TRAYICON, VELLOX_TRAY_ICON_ID,
               WM_LBUTTONDBLCLK);
  frmmain* opened = app.mainWindow();
  ASSERT_NE(opened, nullptr);
  HWND window = WindowWatcher::findOwn(VELLOX_MAIN_CLASS, L"", false);
  EXPECT_EQ(env.shell.recycleBinEmptied, 1);
  opened->SSTab1.select(kTabAbout);

  WindowWatcher box(L"#32770", L" Tarn Vellox", [splash](HWND found) {
    PostMessageW(splash, WM_TIMER, 1, 0);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (textOf(GetDlgItem(splash, IDC_LBLACTION)) != "Loading preferences..." &&
           std::chrono::steady_clock::now() < end)
      Sleep(5);  // poll
    PostMessageW(found, WM_COMMAND, IDOK, 0);
  });
  SendMessageW(GetDlgItem(GetDlgItem(window, IDC_PAGE_ABOUT), IDC_CMDCHECKFORUPDATES), BM_CLICK, 0, 0);
  ASSERT_TRUE(box.found());
  ASSERT_TRUE(pumpUntil([&] { return !IsWindow(splash); }, 10000));

  EXPECT_EQ(app.mainWindow(), opened);
  EXPECT_EQ(WindowWatcher::findOwn(VELLOX_MAIN_CLASS, L"", false), window);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(env.shell.recycleBinEmptied, 1);
}

}  // namespace
}  // namespace vellox::test
