#include "free_space/fill_settings.h"
#include <algorithm>

namespace vellox {

namespace {
constexpr std::uint64_t kFat32Limit = 0xFFFFFFFFull;
}

FillSettings fillSettingsFor(const Drive& drive, const DriveNature& nature) {
  FillSettings settings;
  const std::size_t sector = std::max<std::size_t>(nature.sectorBytes, 512);
  const std::size_t cluster = std::max<std::size_t>(nature.clusterBytes, sector);
  // Unbuffered writes are whole sectors; a cluster is always a whole number of them.
  settings.smallBytes = std::min(cluster, settings.blockBytes);
  if (drive.fileSystem == "FAT32" || drive.fileSystem == "FAT")
    settings.maxFileBytes = kFat32Limit / settings.blockBytes * settings.blockBytes;
  settings.tinyFiles = drive.fileSystem == "NTFS";
  return settings;
}

}  // namespace vellox
