#pragma once
#include <cstddef>
#include <cstdint>
#include "platform/free_space.h"

namespace vellox {

enum class FillPattern { Zeros, Random };

// How one fill writes. Made for the drive by fillSettingsFor; tests shrink the sizes.
struct FillSettings {
  // The large files are written in blocks of this size until the margin is reached.
  std::size_t blockBytes = 4 * 1024 * 1024;
  // Below this much free space the blocks shrink, so that the disk is full only at the end.
  std::uint64_t marginBytes = 64 * 1024 * 1024;
  // The smallest unbuffered write: a cluster, which is what the file system hands out.
  std::size_t smallBytes = 4096;
  // No file grows past this (FAT32 holds at most 4 GiB less one byte); 0 for no limit.
  std::uint64_t maxFileBytes = 0;
  // NTFS keeps files of a few hundred bytes inside their file-table record: tiny files take
  // the free records, and with them what deleted small files left there.
  bool tinyFiles = false;
  std::size_t tinyBytes = 400;
  std::size_t tinyLimit = 500000;
  // The free space is read again after this many bytes, since other programs write too.
  std::uint64_t recheckBytes = 256 * 1024 * 1024;
  FillPattern pattern = FillPattern::Zeros;
};

FillSettings fillSettingsFor(const Drive& drive, const DriveNature& nature);

}  // namespace vellox
