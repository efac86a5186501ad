#pragma once
#include <gtest/gtest.h>
#include <chrono>
#include "fakes/fake_download.h"
#include "fakes/fake_files.h"
#include "fakes/fake_instance.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_system_folders.h"
#include "fakes/fake_text_order.h"
#include "fakes/fake_ui.h"
#include "fakes/fake_url_cache.h"
#include "fakes/fake_url_history.h"
#include "common/program_state.h"
#include "platform/services.h"
#include "fakes/headless/headless_views.h"

namespace vellox::test {

// Every service as a fake, and the headless windows, wired into one Services.
struct TestEnv {
  FakeUi ui;
  FakeTextOrder textOrder;
  HeadlessViewFactory views{textOrder};
  FakeSettingsStore settings;
  FakeRegistry registry;
  FakeShell shell;
  FakeFiles files;
  FakeUrlCache urlCache;
  FakeUrlHistory urlHistory;
  FakeDownload download;
  FakeInstance instance;
  FakeSystemFolders systemFolders{files};
  // The program's own state, gone before the fakes it refers to.
  ProgramState state;
  Services services = servicesWith(views);

  // Lets the wipe worker finish everything queued and the event loop run what it
  // posted, until neither has anything left.
  // `worker` is the program's: the environment's own, or an application's.
  void settle(WipeWorker& worker) {
    do {
      EXPECT_TRUE(worker.waitIdle(std::chrono::seconds(20)));
      ui.runPosted();
    } while (!worker.idle() || ui.anyPosted());
  }
  void settle() { settle(state.worker); }

  // The same fakes behind other windows (the real ones, in the Wine tests).
  Services servicesWith(ViewFactory& windows) {
    return {ui, windows, settings, registry, shell, files, urlCache, urlHistory, download, instance, systemFolders};
  }
};

}  // namespace vellox::test
