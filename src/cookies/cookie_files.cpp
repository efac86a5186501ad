#include "cookies/cookie_files.h"
#include "wipe/shred_file.h"

namespace vellox {

namespace {
constexpr const char* kIndexDat = "index.dat";
}

bool isCookieFile(const DirEntry& entry, bool showIndexDat) {
  // A link is passed over like a folder: deleting through it could reach a file
  // outside the cookie folder.
  if (entry.directory || entry.link) return false;
  return showIndexDat || entry.name != kIndexDat;
}

bool removeCookieFile(Files& files, const std::string& path, int securePasses) {
  if (securePasses > 0) return static_cast<bool>(shredFile(files, path, securePasses));
  return deleteName(files, path).ok();
}

}  // namespace vellox
