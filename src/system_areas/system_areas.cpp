#include "app/app_identity.h"
#include "app/frmmain.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/ui.h"
#include "system_areas/temp_clear.h"
#include "erase/scope_rule.h"
#include "system_areas/temp_folder_guard.h"

namespace vellox {

void frmmain::chkdeltempfiles_Click() {
  if (chkdeltempfiles.value() != 1) return;
  clearTempFolder();
}

void frmmain::chkEmptyRecycleBin_Click() {
  if (chkEmptyRecycleBin.value() != 1) return;
  sbar.setText("Emptying Recycle bin...");
  emptyRecycleBin();
  sbar.setText("");
}

// The clearing runs on the wipe worker; the status bar and the pointer say so until it ends.
void frmmain::clearTempFolder() {
  // Activations come often: one clearing waiting or running is enough.
  if (state_.clearingTemp) return;
  std::string path = services_.files.tempPath();
  // Without a path there is nothing to clear: an empty path would walk the drive's root.
  if (path.empty()) return;
  // TMP or TEMP can name any folder, even a drive or the user's documents.
  if (auto refused = tempFolderRefusal(scopeRule(services_), path)) {
    // While loading at start-up the window is hidden, and a hidden owner would hide the box.
    const std::uintptr_t owner = view().visible() ? view().nativeHandle() : 0;
    services_.ui.messageBox(*refused, kAppTitle, MsgIcon::Exclamation, MsgButtons::Ok, owner);
    return;
  }
  state_.clearingTemp = true;
  sbar.setText("Deleting temp folder contents...");
  if (!state_.wiping()) pointer.set(kPointerBackground);
  Files& files = services_.files;
  Ui& ui = services_.ui;
  ProgramState& state = state_;
  std::weak_ptr<bool> alive = alive_;
  const int passes = securePasses() > 0 ? securePasses() : kTempPasses;
  state_.worker.run([&files, &ui, &state, path, passes, alive, this](ShredControl& control) mutable {
    clearTempContents(files, path, passes, control);
    ui.post([&state, alive, this] {
      state.clearingTemp = false;
      if (auto live = alive.lock(); !live || !*live) return;
      // A wipe that started meanwhile owns the status bar and the pointer.
      if (state.wiping()) return;
      sbar.setText("");
      pointer.set(kPointerDefault);
    });
  });
}

// Also run at start-up, unasked: no progress window, no sound.
void frmmain::emptyRecycleBin() { services_.shell.emptyRecycleBin(false); }

}  // namespace vellox
