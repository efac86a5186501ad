#include "wipe/secure_wipe_tab.h"
#include <array>
#include "common/app_identity.h"
#include "common/stored_options.h"
#include "platform/instance.h"
#include "platform/registry.h"
#include "platform/ui.h"
#include "wipe/explorer_verb.h"

namespace vellox {

SecureWipeTab::SecureWipeTab(SecureWipeControls controls, Services& services, ProgramState& state, TabHost& host)
    : SecureWipeControls(controls), services_(services), state_(state), host_(host) {
  const auto alive = host.alive();
  bindWhileOpen(cmdWipe.onClick, alive, [this] { cmdWipe_Click(); });
  bindWhileOpen(cmdBrowseForFile.onClick, alive, [this] { cmdBrowseForFile_Click(); });
  bindWhileOpen(cmdBrowseForFolder.onClick, alive, [this] { cmdBrowseForFolder_Click(); });
  bindWhileOpen(chkExplorerVerb.onClick, alive, [this] { chkExplorerVerb_Click(); });
  chkExplorerVerb.setValue(explorerVerbPresent(services_) ? 1 : 0);
  followWipe();
}

void SecureWipeTab::loadStored() {
  loadBoxes(services_.settings, std::array<StoredBox, 1>{{{"secureforall", &chkSecureForAll}}});
  const bool quick = storedQuick(services_.settings);
  optQuick.setValue(quick);
  optDOD.setValue(!quick);
}

void SecureWipeTab::saveStored() {
  saveBoxes(services_.settings, std::array<StoredBox, 1>{{{"secureforall", &chkSecureForAll}}});
  saveQuick(services_.settings, optQuick.value());
}

void SecureWipeTab::cmdBrowseForFile_Click() {
  // The dialog shows its last name again, and keeps it when cancelled.
  if (auto chosen = services_.ui.openFileDialog(host_.owner(), "All Files (*.*)|*.*", comdlgFileName_))
    comdlgFileName_ = *chosen;
  if (!comdlgFileName_.empty()) txtFileToWipe.setText(comdlgFileName_);
}

void SecureWipeTab::cmdBrowseForFolder_Click() {
  // Set whatever the result: a cancelled picker empties the field.
  txtFolderToWipe.setText(services_.ui.browseForFolder(services_.instance.programFolder(), host_.owner(),
                                                       "&Select folder to wipe"));
}

void SecureWipeTab::chkExplorerVerb_Click() {
  const bool wanted = chkExplorerVerb.value() == 1;
  if (wanted == explorerVerbPresent(services_)) return;
  const long rc = setExplorerVerb(services_, wanted);
  if (rc == kRegOk) return;
  services_.ui.messageBox("Explorer's menu could not be changed: " + services_.registry.errorText(rc), kAppTitle,
                          MsgIcon::Exclamation, MsgButtons::Ok, host_.owner());
  chkExplorerVerb.setValue(explorerVerbPresent(services_) ? 1 : 0);
}

}  // namespace vellox
