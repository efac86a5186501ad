// Windows ending the session while a wipe runs, as the real tray window receives it.
#include <gtest/gtest.h>
#include <windows.h>
#include <thread>
#include "app/application.h"
#include "fakes/test_env.h"
#include "gui_test_util.h"
#include "ui/win32/resources/resource.h"
#include "ui/win32/view_factory.h"
#include "wipe/held_files.h"
#include "wipe/services_with_files.h"

namespace vellox::test {
namespace {

TEST(WipeSessionEnd, TheTrayWindowAsksToWaitThenStopsTheWipeAfterItsWrite) {
  initCommonControls();
  TestEnv env;
  HeldFiles files(env.files);
  for (int i = 0; i < 10; ++i) env.files.addFile("C:\\f\\file" + std::to_string(i), 5000);
  auto realViews = win32::makeViewFactory(GetModuleHandleW(nullptr));
  Services base = servicesWithFiles(env, files);
  Services services{base.ui,       *realViews,      base.settings, base.registry, base.shell,        files,
                    base.urlCache, base.urlHistory, base.download, base.instance, base.systemFolders, base.processes, base.freeSpace};
  Application app(services);
  ASSERT_EQ(app.startUp(), StartResult::Running);
  const HWND tray = WindowWatcher::findOwn(VELLOX_TRAY_CLASS, L"", false);
  ASSERT_NE(tray, nullptr);
  EXPECT_EQ(SendMessageW(tray, WM_QUERYENDSESSION, 0, 0), TRUE) << "no wipe: the session may end";

  app.showMain(kTabSecureWipe);
  frmmain& form = *app.mainWindow();
  form.txtFolderToWipe.setText("C:\\f");
  env.ui.answers.push_back(MsgAnswer::Ok);
  form.cmdWipe.click();
  ASSERT_TRUE(files.waitUntilHeld());
  EXPECT_EQ(SendMessageW(tray, WM_QUERYENDSESSION, 0, 0), FALSE) << "a wipe asks the session to wait";

  // The held write ends once the wipe is told to stop, as a real write would.
  std::thread releaser([&] {
    while (!app.state().worker.stopping()) std::this_thread::yield();
    files.release();
  });
  SendMessageW(tray, WM_ENDSESSION, TRUE, 0);
  releaser.join();
  EXPECT_TRUE(app.state().worker.idle()) << "the session's end waited for the write in progress";
  for (int i = 0; i < 10; ++i) EXPECT_TRUE(env.files.exists("C:\\f\\file" + std::to_string(i))) << i;
  env.settle(app.state().worker);
}

}  // namespace
}  // namespace vellox::test
