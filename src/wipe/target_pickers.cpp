#include "app/frmmain.h"
#include "platform/instance.h"
#include "platform/ui.h"

namespace vellox {

void frmmain::cmdBrowseForFile_Click() {
  // The dialog shows its last name again, and keeps it when cancelled.
  if (auto chosen = services_.ui.openFileDialog(view().nativeHandle(), "All Files (*.*)|*.*", comdlgFileName_))
    comdlgFileName_ = *chosen;
  if (!comdlgFileName_.empty()) txtFileToWipe.setText(comdlgFileName_);
}

void frmmain::cmdBrowseForFolder_Click() {
  // Set whatever the result: a cancelled picker empties the field.
  txtFolderToWipe.setText(services_.ui.browseForFolder(services_.instance.programFolder(), view().nativeHandle(),
                                                       "&Select folder to wipe"));
}

}  // namespace vellox
