#pragma once
#include <gtest/gtest.h>
#include "app/application.h"
#include "fakes/test_env.h"

namespace vellox::test {

// The application on `env` after start-up: the splash has finished and the
// main window is loaded, hidden, with the preferences loaded once.
struct RunningApp {
  explicit RunningApp(TestEnv& testEnv) : env(testEnv), app(testEnv.services) {
    EXPECT_EQ(app.startUp(), StartResult::Running);
    env.views.splash->onActivate.fire();
    settle();
  }
  void settle() { env.settle(app.state().worker); }
  HeadlessMainView& view() { return *env.views.main; }
  // Closes the window with its close box and lets the posted destruction run.
  void closeBox() {
    env.views.main->onCloseBox.fire();
    settle();
  }

  TestEnv& env;
  Application app;
};

}  // namespace vellox::test
