#include "system_areas/temp_clear.h"
#include <vector>
#include "wipe/mod_enum_files.h"
#include "wipe/mod_secure_wipe.h"

namespace vellox {

TempCleared clearTempContents(Files& files, std::string path, int passes, ShredControl& control) {
  std::vector<std::string> foundFiles(1);
  const WalkResult walk = enumFiles(files, foundFiles, path);
  TempCleared cleared;
  for (const Shred& shred : shredFiles(files, foundFiles, 1, passes, control)) {
    if (shred.end == ShredEnd::Wiped || shred.end == ShredEnd::LinkRemoved || shred.nameRemoved)
      ++cleared.removed;
    else if (shred.end != ShredEnd::Missing)
      ++cleared.left;
  }
  // A link is a leftover name like any other; removing it never touches where it leads.
  for (const auto& link : walk.links) {
    if (!control.stopped() && files.removeLink(link).ok()) ++cleared.removed;
  }
  return cleared;
}

}  // namespace vellox
