#include <string>
#include <vector>
#include "app/app_identity.h"
#include "app/frmmain.h"
#include "platform/ui.h"
#include "wipe/dropped_targets.h"

namespace vellox {

// The wipe runs on the worker: the window takes events while it does.
bool frmmain::wipeRunning() const { return state_.wiping(); }

// Only fills the fields: the wipe still waits for the button, the warning and OK.
void frmmain::filesDropped(const std::vector<std::string>& paths) {
  if (wipeRunning()) return;
  const TargetPlacement placement = placeTargets(services_.files, paths);
  if (!placement.refusal.empty()) {
    services_.ui.messageBox(placement.refusal, kAppTitle, MsgIcon::Exclamation, MsgButtons::Ok,
                            view().nativeHandle());
    return;
  }
  if (placement.folder) txtFolderToWipe.setText(*placement.folder);
  if (placement.file) {
    txtFileToWipe.setText(*placement.file);
    droppedFiles_ = placement.fileList;
  }
}

// The user asked for this one item: it alone is the target, and the warning says so.
void frmmain::wipeFromShell(const std::string& path) {
  if (wipeRunning()) {
    services_.ui.messageBox("A wipe is running. Once it has ended, shred " + path + " again.", kAppTitle,
                            MsgIcon::Exclamation, MsgButtons::Ok, view().nativeHandle());
    return;
  }
  txtFileToWipe.setText("");
  txtFolderToWipe.setText("");
  droppedFiles_.clear();
  filesDropped({path});
  cmdWipe_Click();
}

}  // namespace vellox
