#pragma once
#include <cstddef>
#include <string>
#include "platform/files.h"
#include "wipe/shred_control.h"

namespace vellox {

// Passes over a temporary file: one, or the shredding level while every area is wiped securely.
inline constexpr int kTempPasses = 1;

struct TempCleared {
  std::size_t removed = 0;  // files overwritten and deleted, and links removed as names
  std::size_t left = 0;     // files that stayed: in use, refused, or not reached before a stop
};

// Overwrites and deletes every file below the temporary folder `path` (already
// checked by tempFolderRefusal); a link is removed as a name, never followed.
TempCleared clearTempContents(Files& files, std::string path, int passes, ShredControl& control);

}  // namespace vellox
