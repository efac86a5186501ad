#pragma once
#include <cstddef>
#include <functional>
#include "browsers/browser_run.h"
#include "ui/list_view.h"
#include "ui/tab.h"

namespace vellox {

// Shows a running Analyze or Clean in a tab while its window is open: the status bar, each
// row's Found text (rows keyed as the run reports them), and the window as its boxes' owner.
// Returns whether the window is still open, for the tab's own handling of the run's end.
std::function<bool()> showRunIn(BrowserRun& run, TabHost& host, ListView& list, int foundColumn);

}  // namespace vellox
