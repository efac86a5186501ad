#include "app/general_tab.h"
#include "app/run_at_startup.h"
#include "common/app_identity.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/ui.h"
#include "erase/scope_rule.h"
#include "system_areas/temp_clear.h"
#include "system_areas/temp_folder_guard.h"

namespace vellox {

GeneralTab::GeneralTab(GeneralControls controls, const CheckBox& chkDelCachedPasswords, const ShredLevel& level,
                       Services& services, ProgramState& state, TabHost& host)
    : GeneralControls(controls),
      chkDelCachedPasswords_(chkDelCachedPasswords),
      level_(level),
      services_(services),
      state_(state),
      host_(host) {
  bindWhileOpen(chkdeltempfiles.onClick, host.alive(), [this] { chkdeltempfiles_Click(); });
  bindWhileOpen(chkEmptyRecycleBin.onClick, host.alive(), [this] { chkEmptyRecycleBin_Click(); });
}

// In the order they are read: the Recycle Bin's box before the temporary folder's.
std::array<StoredBox, 9> GeneralTab::storedBoxes() {
  return {{{"autostart", &chkautostart},
          {"runonstart", &chkdelOnStart},
          {"runonshutdown", &chkDelOnShutDown},
          {"autodelcookies", &Chkautoclearcookies},
          {"autodelcache", &ChkAutoClearCache},
          {"autodelhistory", &ChkAutoClearHistory},
          {"autoemptyrecyclebin", &chkEmptyRecycleBin},
          {"autodelwindows", &chkAutoDelWindows},
          {"autocleartemp", &chkdeltempfiles}}};
}

void GeneralTab::loadStored() {
  loading_ = true;
  loadBoxes(services_.settings, storedBoxes());
  loading_ = false;
}

void GeneralTab::saveStored() { saveBoxes(services_.settings, storedBoxes()); }

void GeneralTab::unloading() { setRunAtStartup(services_, chkautostart.value() == 1); }

// The window's controls hold the options while it is loaded, ticked or not yet stored.
AutoOptions GeneralTab::autoOptions() const {
  AutoOptions options;
  options.onStart = chkdelOnStart.value() == 1;
  options.onShutdown = chkDelOnShutDown.value() == 1;
  options.cookies = Chkautoclearcookies.value() == 1;
  options.cache = ChkAutoClearCache.value() == 1;
  options.history = ChkAutoClearHistory.value() == 1;
  options.tempFolder = chkdeltempfiles.value() == 1;
  options.recycleBin = chkEmptyRecycleBin.value() == 1;
  options.windowsTraces = chkAutoDelWindows.value() == 1;
  options.cachedPasswords = chkDelCachedPasswords_.value() == 1;
  options.securePasses = level_.securePasses();
  return options;
}

void GeneralTab::actAtStartUp() {
  emptyBinIfTicked(false);
  if (chkdeltempfiles.value() == 1) clearTempFolder();
}

void GeneralTab::chkdeltempfiles_Click() {
  if (loading_ || chkdeltempfiles.value() != 1) return;
  clearTempFolder();
}

void GeneralTab::chkEmptyRecycleBin_Click() {
  if (!loading_) emptyBinIfTicked(true);
}

// `asked`: the user's tick, which the shell's progress window and sound answer.
void GeneralTab::emptyBinIfTicked(bool asked) {
  if (chkEmptyRecycleBin.value() != 1) return;
  host_.setStatus("Emptying Recycle bin...");
  emptyRecycleBin(asked);
  host_.setStatus("");
}

// The clearing runs on the wipe worker; the status bar and the pointer say so until it ends.
void GeneralTab::clearTempFolder() {
  // Activations come often: one clearing waiting or running is enough.
  if (state_.clearingTemp) return;
  std::string path = services_.files.tempPath();
  // Without a path there is nothing to clear: an empty path would walk the drive's root.
  if (path.empty()) return;
  // TMP or TEMP can name any folder, even a drive or the user's documents.
  if (auto refused = tempFolderRefusal(scopeRule(services_), path)) {
    // While loading at start-up the window is hidden, and a hidden owner would hide the box.
    const std::uintptr_t owner = host_.visible() ? host_.owner() : 0;
    services_.ui.messageBox(*refused, kAppTitle, MsgIcon::Exclamation, MsgButtons::Ok, owner);
    return;
  }
  state_.clearingTemp = true;
  host_.setStatus("Deleting temp folder contents...");
  if (!state_.wiping()) host_.mousePointer().set(kPointerBackground);
  Files& files = services_.files;
  Ui& ui = services_.ui;
  ProgramState& state = state_;
  std::weak_ptr<const bool> alive = host_.alive();
  TabHost& host = host_;
  const int passes = level_.securePasses() > 0 ? level_.securePasses() : kTempPasses;
  state_.worker.run([&files, &ui, &state, &host, path, passes, alive](ShredControl& control) mutable {
    clearTempContents(files, path, passes, control);
    ui.post([&state, &host, alive] {
      state.clearingTemp = false;
      if (auto live = alive.lock(); !live || !*live) return;
      // A wipe that started meanwhile owns the status bar and the pointer.
      if (state.wiping()) return;
      host.setStatus("");
      host.mousePointer().set(kPointerDefault);
    });
  });
}

void GeneralTab::emptyRecycleBin(bool shown) { services_.shell.emptyRecycleBin(shown); }

}  // namespace vellox
