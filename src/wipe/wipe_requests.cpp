#include "wipe/secure_wipe_tab.h"
#include <string>
#include <vector>
#include "common/app_identity.h"
#include "platform/ui.h"
#include "wipe/dropped_targets.h"

namespace vellox {

// Only fills the fields: the wipe still waits for the button, the warning and OK.
void SecureWipeTab::filesDropped(const std::vector<std::string>& paths) {
  if (state_.wiping()) return;
  const TargetPlacement placement = placeTargets(services_.files, paths);
  if (!placement.refusal.empty()) {
    services_.ui.messageBox(placement.refusal, kAppTitle, MsgIcon::Exclamation, MsgButtons::Ok,
                            host_.owner());
    return;
  }
  if (placement.folder) txtFolderToWipe.setText(*placement.folder);
  if (placement.file) {
    txtFileToWipe.setText(*placement.file);
    droppedFiles_ = placement.fileList;
  }
}

// The user asked for this one item: it alone is the target, and the warning says so.
void SecureWipeTab::wipeFromShell(const std::string& path) {
  if (state_.wiping()) {
    services_.ui.messageBox("A wipe is running. Once it has ended, shred " + path + " again.", kAppTitle,
                            MsgIcon::Exclamation, MsgButtons::Ok, host_.owner());
    return;
  }
  txtFileToWipe.setText("");
  txtFolderToWipe.setText("");
  droppedFiles_.clear();
  filesDropped({path});
  cmdWipe_Click();
}

}  // namespace vellox
