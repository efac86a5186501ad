#include "app/free_space_command.h"
#include "free_space/fill_folder.h"
#include "free_space/fill_texts.h"
#include "free_space/free_space_fill.h"

namespace vellox {

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
    const auto speed = probeWriteSpeed(command.space, folder, settings, probeBytesFor(drive),
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
