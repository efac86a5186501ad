#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "platform/file_node.h"
#include "wipe/left_behind.h"
#include "wipe/shred_control.h"

namespace vellox {

struct Cleared {
  std::size_t removed = 0;  // files overwritten or deleted, and links removed as names
  std::uint64_t bytes = 0;  // of the files removed
  std::vector<LeftBehind> left;  // what stayed: in use, refused, or not reached before a stop
  std::size_t folders = 0;       // subfolders removed
};

// Whether the folders below the one cleared stay, or go once emptied (where their names are
// themselves a trace). The cleared folder itself always stays.
enum class Subfolders { Keep, Remove };

// Empties the open folder: every file below it is shredded with `passes` passes (0: deleted),
// and every link goes as a name, never followed; the folders below stay or go as asked.
Cleared clearBelow(const std::shared_ptr<FileNode>& folder, int passes, ShredControl& control,
                   Subfolders subfolders = Subfolders::Keep);

// Clears one name the program chose: a file is shredded or deleted, a folder emptied. A link is
// left in place and reported, since what it leads to was never chosen.
Cleared clearNamed(Files& files, const std::string& path, int passes, ShredControl& control,
                   Subfolders subfolders = Subfolders::Keep);

}  // namespace vellox
