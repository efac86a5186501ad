#include <chrono>
#include <memory>
#include "browsers/found_text.h"
#include "free_space/fill_folder.h"
#include "free_space/fill_texts.h"
#include "free_space/free_space_fill.h"
#include "platform/free_space.h"
#include "platform/ui.h"
#include "wipe/secure_wipe_tab.h"

namespace vellox {

namespace {

enum DriveColumn { kFreeColumn = 1, kTotalColumn, kFileSystemColumn };

std::string chosenRoot(const ListView& list) {
  for (std::size_t row = 0; row < list.count(); ++row)
    if (list.selected(row)) return list.key(row);
  return {};
}

}  // namespace

// The drives the fill can write to, with what they hold now; the chosen one stays chosen.
void SecureWipeTab::fillDriveList() {
  const std::string chosen = chosenRoot(lstDrives);
  // The columns share the list, leaving room for its scroll bar.
  const double shares[] = {0.3, 0.2, 0.2, 0.22};
  for (int column = 0; column < 4; ++column) lstDrives.setColumnWidth(column, lstDrives.width() * shares[column]);
  lstDrives.beginUpdate();
  lstDrives.clear();
  for (const Drive& drive : services_.freeSpace.writableDrives()) {
    const std::string letter = driveLetter(drive);
    const std::size_t row = lstDrives.addRow(drive.label.empty() ? letter : letter + " " + drive.label, drive.root);
    lstDrives.setSubItem(row, kFreeColumn, sizeText(drive.freeBytes));
    lstDrives.setSortValue(row, kFreeColumn, static_cast<double>(drive.freeBytes));
    lstDrives.setSubItem(row, kTotalColumn, sizeText(drive.totalBytes));
    lstDrives.setSortValue(row, kTotalColumn, static_cast<double>(drive.totalBytes));
    lstDrives.setSubItem(row, kFileSystemColumn, drive.fileSystem);
  }
  lstDrives.endUpdate();
  for (std::size_t row = 0; row < lstDrives.count(); ++row)
    lstDrives.setSelected(row, lstDrives.key(row) == chosen);
  if (chosenRoot(lstDrives).empty() && lstDrives.count() > 0) lstDrives.setSelected(0, true);
}

// Times the disk on the worker, as the command line does before its warning, so that the
// warning can say how long the fill takes; the window answers meanwhile.
void SecureWipeTab::cmdWipeFreeSpace_Click() {
  if (state_.wiping()) {
    if (state_.wipe->freeSpace) cancelRun();
    return;
  }
  const std::string root = chosenRoot(lstDrives);
  if (root.empty()) return;
  const DriveLookup lookup = services_.freeSpace.lookUpDrive(root);
  if (lookup.problem != DriveProblem::None) {
    services_.ui.messageBox(driveRefusal(root, lookup.problem, lookup.drive.fileSystem), kWipeFreeSpaceCaption,
                            MsgIcon::Exclamation, MsgButtons::Ok, host_.owner());
    fillDriveList();
    return;
  }
  const Drive drive = lookup.drive;
  const std::string folder = fillFolderFor(services_.freeSpace, services_.files, drive);
  cmdWipeFreeSpace.setEnabled(false);
  host_.setStatus("Measuring the speed of " + driveLetter(drive) + "...");
  FreeSpace& space = services_.freeSpace;
  Ui& ui = services_.ui;
  std::weak_ptr<const bool> alive = host_.alive();
  state_.worker.run([this, alive, &space, &ui, drive, folder](ShredControl& control) {
    const DriveNature nature = space.nature(drive);
    std::optional<double> speed;
    if (!control.stopped())
      speed = probeWriteSpeed(space, folder, fillSettingsFor(drive, nature), probeBytesFor(drive),
                              std::chrono::steady_clock::now);
    ui.post([this, alive, drive, nature, folder, speed] {
      if (auto live = alive.lock(); live && *live) askToFill(drive, nature, folder, speed);
    });
  });
}

void SecureWipeTab::askToFill(const Drive& drive, const DriveNature& nature, const std::string& folder,
                              std::optional<double> speed) {
  host_.setStatus("");
  cmdWipeFreeSpace.setEnabled(!state_.wiping());
  if (state_.wiping()) return;
  const auto alive = host_.alive();
  const auto answer = services_.ui.messageBox(fillWarning(drive, nature, speed), kWipeFreeSpaceCaption,
                                              MsgIcon::Exclamation, MsgButtons::OkCancel, host_.owner());
  // The box let other events run: the window may be gone, or a wipe started.
  if (!*alive || answer != MsgAnswer::Ok || state_.wiping()) return;
  fillOnWorker(drive, nature, folder);
}

// The fill goes to the worker as a wipe does; the window follows it and may close meanwhile.
void SecureWipeTab::fillOnWorker(const Drive& drive, const DriveNature& nature, const std::string& folder) {
  auto run = std::make_shared<WipeRun>(services_.ui);
  run->freeSpace = true;
  run->reached(0, drive.freeBytes, fillStatus(drive, fillProgress(FillPhase::Large, 0, drive.freeBytes, {})));
  state_.wipe = run;
  followWipe();
  FreeSpace& space = services_.freeSpace;
  Ui& ui = services_.ui;
  run->ticket = state_.worker.run([&space, &ui, run, drive, nature, folder](ShredControl& control) {
    FillHooks hooks;
    hooks.cancelled = [&control] { return control.stopped(); };
    hooks.progress = [&shown = *run, &drive](const FillProgress& now) {
      shown.reached(now.written, now.total, fillStatus(drive, now));
    };
    const FillReport report = fillFreeSpace(space, drive, folder, fillSettingsFor(drive, nature), hooks);
    const MsgIcon icon = report.end == FillEnd::Done ? MsgIcon::Information : MsgIcon::Exclamation;
    run->finish([&ui, run, icon, text = fillClosing(drive, nature, report)] {
      ui.messageBox(text, kWipeFreeSpaceCaption, icon, MsgButtons::Ok, run->owner ? run->owner() : 0);
    });
  });
}

}  // namespace vellox
