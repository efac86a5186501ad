#include "system_areas/temp_clear.h"
#include "erase/clearing.h"

namespace vellox {

TempCleared clearTempContents(Files& files, std::string path, int passes, ShredControl& control) {
  // The folder itself is opened as named: one that is a link is never walked.
  const Cleared cleared = clearNamed(files, path, passes, control);
  return {cleared.removed, cleared.left.size()};
}

}  // namespace vellox
