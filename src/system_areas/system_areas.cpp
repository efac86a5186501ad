#include "app/app_identity.h"
#include "app/frmmain.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/ui.h"
#include "system_areas/temp_folder_guard.h"
#include "wipe/mod_enum_files.h"
#include "wipe/mod_secure_wipe.h"

namespace vellox {

namespace {
constexpr int kTempPasses = 1;
}

void frmmain::chkdeltempfiles_Click() {
  if (chkdeltempfiles.value() != 1) return;
  sbar.setText("Deleting temp folder contents...");
  clearTempFolder();
  sbar.setText("");
}

void frmmain::chkEmptyRecycleBin_Click() {
  if (chkEmptyRecycleBin.value() != 1) return;
  sbar.setText("Emptying Recycle bin...");
  emptyRecycleBin();
  sbar.setText("");
}

void frmmain::clearTempFolder() {
  BusyPointer busy(pointer);
  std::string path = services_.files.tempPath();
  // Without a path there is nothing to clear: an empty path would walk the drive's root.
  if (path.empty()) return;
  // TMP or TEMP can name any folder, even a drive or the user's documents.
  if (auto refused = tempFolderRefusal(services_.systemFolders, path)) {
    // While loading at start-up the window is hidden, and a hidden owner would hide the box.
    const std::uintptr_t owner = view().visible() ? view().nativeHandle() : 0;
    services_.ui.messageBox(*refused, kAppTitle, MsgIcon::Exclamation, MsgButtons::Ok, owner);
    return;
  }
  foundFiles.assign(1, std::string());
  const WalkResult walk = enumFiles(services_.files, foundFiles, path);
  for (std::size_t i = 1; i < foundFiles.size(); ++i) shredFile(services_.files, foundFiles[i], kTempPasses);
  // A link is a leftover name like any other; removing it never touches where it leads.
  for (const auto& link : walk.links) services_.files.removeLink(link);
}

void frmmain::emptyRecycleBin() { services_.shell.emptyRecycleBin(); }

}  // namespace vellox
