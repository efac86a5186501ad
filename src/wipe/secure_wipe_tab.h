#pragma once
#include <string>
#include <vector>
#include "common/program_state.h"
#include "platform/services.h"
#include "ui/main_controls.h"
#include "ui/tab.h"

namespace vellox {

// The Secure Wipe tab: a file, a folder or dropped files, shredded on the worker, and
// the options that set how every other deletion of the program shreds.
class SecureWipeTab : public Tab, public SecureWipeControls {
 public:
  static constexpr int kPage = kTabSecureWipe;
  SecureWipeTab(SecureWipeControls controls, Services& services, ProgramState& state, TabHost& host);

  void loadStored() override;
  void saveStored() override;

  void cmdWipe_Click();
  void wipeOut();
  bool fileHasData(const std::string& path);
  void cmdBrowseForFile_Click();
  void cmdBrowseForFolder_Click();
  void chkExplorerVerb_Click();
  // Paths dropped on the tab fill its fields; nothing is wiped yet.
  void filesDropped(const std::vector<std::string>& paths);
  // A path from Explorer's menu or the command line: the only target, with the warning up.
  void wipeFromShell(const std::string& path);
 private:
  // A running wipe, on whichever window is open while it runs.
  void followWipe();
  void showWipeRunning(bool running);
  void showWipeProgress();

  Services& services_;
  ProgramState& state_;
  TabHost& host_;
  // Several dropped files, which "Wipe File" stands for while it shows "N files".
  std::vector<std::string> droppedFiles_;
  // The file-open dialog's last file name: it is shown again and kept on cancel.
  std::string comdlgFileName_;
};

}  // namespace vellox
