#pragma once
#include <cstddef>
#include <memory>
#include "common/program_state.h"
#include "platform/services.h"
#include "ui/main_controls.h"
#include "ui/tab.h"
#include "wipe/shred_level.h"

namespace vellox {

class BrowserRun;

// The Windows tab: the traces Windows keeps of the user's work, analysed and cleaned
// on the worker, each row's check stored at once.
class WindowsTab : public Tab, public WindowsControls {
 public:
  static constexpr int kPage = kTabWindows;
  WindowsTab(WindowsControls controls, Services& services, ProgramState& state, const ShredLevel& level,
             TabHost& host);

  void shown() override { loadWindowsList(); }

  void loadWindowsList();
  void lstWindows_CheckToggled(std::size_t row);
  void cmdAnalyzeWindows_Click();
  void cmdCleanWindows_Click();

 private:
  // A running Analyze or Clean, on whichever window is open while it runs.
  void followWindowsRun();
  void showWindowsRunning(bool running);
  std::shared_ptr<BrowserRun> startWindowsRun();

  Services& services_;
  ProgramState& state_;
  const ShredLevel& level_;
  TabHost& host_;
  // True while the list is filled: its checks are the store's, not the user's.
  bool loading_ = false;
};

}  // namespace vellox
