#include "app/free_space_command.h"
#include <algorithm>
#include "free_space/fill_folder.h"
#include "free_space/fill_texts.h"
#include "free_space/free_space_fill.h"

namespace vellox {

namespace {
// Enough to time the disk past its cache, short enough not to hold up the warning.
constexpr std::uint64_t kProbeBytes = 64ull * 1024 * 1024;
}  // namespace

std::string driveRefusal(const std::string& driveName, DriveProblem problem, const std::string& fileSystem) {
  const std::string drive = "Drive " + driveName;
  switch (problem) {
    case DriveProblem::None: return {};
    case DriveProblem::Missing: return drive + " does not exist or holds no disk. Nothing was written.";
    case DriveProblem::ReadOnly: return drive + " is read-only. Nothing was written.";
    case DriveProblem::NotLocal: return drive + " is not a local disk. Nothing was written.";
    case DriveProblem::UnknownFileSystem:
      return drive + " has a file system (" + fileSystem +
             ") whose free space Vellox does not wipe: NTFS, ReFS, FAT32 and exFAT only. Nothing was written.";
  }
  return {};
}

int runWipeFreeSpace(FreeSpaceCommand& command, const std::string& driveName, bool yes) {
  const DriveLookup lookup = command.space.lookUpDrive(driveName);
  if (lookup.problem != DriveProblem::None) {
    command.say(driveRefusal(driveName, lookup.problem, lookup.drive.fileSystem));
    return kFreeSpaceDriveRefused;
  }
  const Drive& drive = lookup.drive;
  const DriveNature nature = command.space.nature(drive);
  const FillSettings settings = fillSettingsFor(drive, nature);
  const std::string folder = fillFolderFor(command.space, command.files, drive);
  if (!yes) {
    const auto speed = probeWriteSpeed(command.space, folder, settings, std::min(kProbeBytes, drive.freeBytes / 4),
                                       std::chrono::steady_clock::now);
    if (command.ui.messageBox(fillWarning(drive, nature, speed), kWipeFreeSpaceCaption, MsgIcon::Exclamation,
                              MsgButtons::YesNo) != MsgAnswer::Yes) {
      command.say(driveName + " free-space wipe not started: the warning was answered No.");
      return kFreeSpaceNotRun;
    }
  }
  FillHooks hooks;
  hooks.cancelled = command.cancelled;
  const FillReport report = fillFreeSpace(command.space, drive, folder, settings, hooks);
  // A folder that could not even be made: the volume takes no writes, and none were made.
  if (report.end == FillEnd::Failed && report.written == 0 && report.error.code == FileErrc::AccessDenied) {
    command.say(driveRefusal(driveName, DriveProblem::ReadOnly) + " (" + report.error.description + ")");
    return kFreeSpaceDriveRefused;
  }
  command.say(fillResultLine(drive, report));
  if (!yes)
    command.ui.messageBox(fillClosing(drive, nature, report), kWipeFreeSpaceCaption,
                          report.end == FillEnd::Done ? MsgIcon::Information : MsgIcon::Exclamation, MsgButtons::Ok);
  return report.end == FillEnd::Done ? kFreeSpaceWiped
         : report.end == FillEnd::Cancelled ? kFreeSpaceNotRun
                                            : kFreeSpaceFailed;
}

}  // namespace vellox
