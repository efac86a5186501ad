#include "wipe/secure_wipe_tab.h"
#include <string>
#include <vector>
#include "common/app_identity.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "wipe/left_behind.h"
#include "wipe/shred_file.h"
#include "wipe/wipe_job.h"
#include "wipe/wipe_targets.h"

namespace vellox {

namespace {

constexpr const char* kWarning =
    "Warning! this will wipe the specified files and delete them. Once this is done they cannot be recovered";

}  // namespace

void SecureWipeTab::cmdWipe_Click() {
  // While a wipe runs this is the Cancel button.
  if (state_.wiping()) {
    if (!state_.wipe->freeSpace) cancelRun();
    return;
  }
  const WipeTargets targets = wipeTargets(services_.files, txtFileToWipe.text(), txtFolderToWipe.text(), droppedFiles_);
  // Nothing is wiped unless both fields name what they mean.
  if (!targets.refused.empty()) {
    services_.ui.messageBox(refusalMessage(targets.refused), kAppTitle, MsgIcon::Exclamation, MsgButtons::Ok,
                            host_.owner());
    return;
  }
  const std::string line = targetLine(targets);
  // The warning offers a way back: only OK wipes.
  const auto answer = services_.ui.messageBox(line.empty() ? kWarning : kWarning + ("\n" + line), kAppTitle,
                                              MsgIcon::Exclamation, MsgButtons::OkCancel, host_.owner());
  if (answer == MsgAnswer::Ok) wipeOut();
}

// The wipe goes to the worker; the window follows it through the run and may close
// meanwhile. Its boxes appear when it ends, over the window when it is shown.
void SecureWipeTab::wipeOut() {
  // The warning's box let other events run: one of them may have started a wipe.
  if (state_.wiping()) return;
  auto& files = services_.files;
  const WipeTargets targets = wipeTargets(files, txtFileToWipe.text(), txtFolderToWipe.text(), droppedFiles_);
  if (!targets.refused.empty()) return;
  WipeOrder order;
  order.passes = optQuick.value() ? 3 : 7;
  if (!targets.file.empty() && fileHasData(targets.file)) order.file = targets.file;
  order.files = targets.files;
  order.folder = targets.folder;
  if (order.file.empty() && order.files.empty() && order.folder.empty()) return;

  auto run = std::make_shared<WipeRun>(services_.ui);
  state_.wipe = run;
  followWipe();
  Ui& ui = services_.ui;
  const char separator = files.separator();
  run->ticket = state_.worker.run([&files, &ui, run, order, separator](ShredControl& control) {
    const WipeOutcome outcome = runWipe(files, order, *run, control);
    run->finish([&ui, run, boxes = closingMessages(order, outcome, separator)] {
      const std::uintptr_t owner = run->owner ? run->owner() : 0;
      for (const auto& box : boxes) ui.messageBox(box.text, kAppTitle, box.icon, MsgButtons::Ok, owner);
    });
  });
}

// Binds this window to the running wipe, if any, and shows its state.
void SecureWipeTab::followWipe() {
  if (!state_.wiping()) return;
  auto& run = *state_.wipe;
  std::weak_ptr<const bool> alive = host_.alive();
  run.onProgress = [this, alive] {
    if (auto live = alive.lock(); live && *live) showWipeProgress();
  };
  run.onEnded = [this, alive] {
    if (auto live = alive.lock(); live && *live) showWipeRunning(false);
  };
  run.owner = [this, alive]() -> std::uintptr_t {
    auto live = alive.lock();
    return live && *live && host_.visible() ? host_.owner() : 0;
  };
  showWipeRunning(true);
  showWipeProgress();
}

void SecureWipeTab::cancelRun() {
  state_.wipe->requestCancel(state_.worker);
  (state_.wipe->freeSpace ? cmdWipeFreeSpace : cmdWipe).setEnabled(false);
}

// The run's own button becomes Cancel; the other one waits for it to end.
void SecureWipeTab::showWipeRunning(bool running) {
  for (Control* control : {static_cast<Control*>(&txtFileToWipe), static_cast<Control*>(&txtFolderToWipe),
                           static_cast<Control*>(&cmdBrowseForFile), static_cast<Control*>(&cmdBrowseForFolder),
                           static_cast<Control*>(&optQuick), static_cast<Control*>(&optDOD),
                           static_cast<Control*>(&lstDrives)})
    control->setEnabled(!running);
  const bool fill = state_.wipe && state_.wipe->freeSpace;
  const bool cancellable = !running || !state_.wipe->cancelRequested();
  cmdWipe.setCaption(running && !fill ? "&Cancel" : "&Wipe");
  cmdWipe.setEnabled(fill ? !running : cancellable);
  cmdWipeFreeSpace.setCaption(running && fill ? "&Cancel" : "Wipe &Free Space");
  cmdWipeFreeSpace.setEnabled(fill ? cancellable : !running);
  host_.mousePointer().set(running ? kPointerBackground : kPointerDefault);
  if (running) return;
  host_.setStatus("");
  prgWipe.clear();
  lblWipeFiles.setText("");
  // What the drives hold has changed.
  if (fill) fillDriveList();
}

void SecureWipeTab::showWipeProgress() {
  const WipeProgress now = state_.wipe->progress();
  prgWipe.setProgress(now.bytesDone, now.bytesTotal);
  if (!now.status.empty()) host_.setStatus(now.status);
  if (now.file == 0) return;
  host_.setStatus("Currently wiping" + shownPath(now.path));
  lblWipeFiles.setText("file " + std::to_string(now.file) + " of " + std::to_string(now.files));
}

// An empty file is a target too: it goes, and the closing box says so.
bool SecureWipeTab::fileHasData(const std::string& path) {
  std::uint64_t length = 0;
  const FileStatus status = services_.files.fileLength(path, length);
  if (status.ok()) return true;
  if (status.code != FileErrc::NotFound) {
    const std::string text =
        status.description.empty() ? "Error " + std::to_string(status.native) : status.description;
    services_.ui.messageBox(text, kAppTitle, MsgIcon::None, MsgButtons::Ok, host_.owner());
  }
  return false;
}

}  // namespace vellox
