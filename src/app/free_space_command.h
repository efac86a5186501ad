#pragma once
#include <functional>
#include <string>
#include "free_space/fill_texts.h"
#include "platform/files.h"
#include "platform/free_space.h"
#include "platform/system_folders.h"
#include "platform/ui.h"

namespace vellox {

// Exit codes of `vellox.exe --wipe-free-space D:`.
inline constexpr int kFreeSpaceWiped = 0;
inline constexpr int kFreeSpaceDriveRefused = 2;  // missing, read-only, not local: nothing written
inline constexpr int kFreeSpaceNotRun = 3;        // the warning was answered No, or the wipe cancelled
inline constexpr int kFreeSpaceFailed = 4;

struct FreeSpaceCommand {
  FreeSpace& space;
  Files& files;
  SystemFolders& systemFolders;
  Ui& ui;
  // The one line of the result, for the console the program was started from.
  std::function<void(const std::string&)> say;
  std::function<bool()> cancelled = [] { return false; };
};

// Wipes the free space of `driveName` and ends. Without `yes` it asks first with the same
// warning as the button, and shows the closing message.
int runWipeFreeSpace(FreeSpaceCommand& command, const std::string& driveName, bool yes);

}  // namespace vellox
