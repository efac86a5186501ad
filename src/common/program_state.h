#pragma once
#include <memory>
#include <string>
#include <vector>
#include "browsers/browser_run.h"
#include "history/curl_history.h"
#include "wipe/wipe_run.h"
#include "wipe/wipe_worker.h"

namespace vellox {

// What the program keeps for its whole run. The application owns it, so the history
// store is released before the services it came from.
struct ProgramState {
  // Whether the cookie list may show a file named "index.dat": true from start-up
  // until the first deletion run.
  bool showIndexDat = false;
  // The one shared history collection; null while the store cannot be opened.
  std::unique_ptr<CURLHistory> historyStore;
  // The user's latest wipe; it outlives the window, which may close while it runs.
  std::shared_ptr<WipeRun> wipe;
  // The latest Analyze or Clean of the browsers; it too outlives the window.
  std::shared_ptr<BrowserRun> browsers;
  // The latest Analyze or Clean of the Windows tab, run and shown the same way.
  std::shared_ptr<BrowserRun> windowsTraces;
  // A clearing of the temporary folder is waiting or running.
  bool clearingTemp = false;
  // Declared last: gone first, once the write in progress has ended.
  WipeWorker worker;

  bool wiping() const { return wipe && wipe->running(); }
  bool browsersBusy() const { return browsers && browsers->running(); }
  bool windowsTracesBusy() const { return windowsTraces && windowsTraces->running(); }
};

}  // namespace vellox
