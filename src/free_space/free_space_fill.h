#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include "free_space/fill_progress.h"
#include "free_space/fill_settings.h"
#include "platform/free_space.h"

namespace vellox {

enum class FillEnd { Done, Cancelled, Failed };

// What a fill did, for the closing message and the command line's result.
struct FillReport {
  FillEnd end = FillEnd::Failed;
  std::uint64_t freeAtStart = 0;
  std::optional<std::uint64_t> freeAfter;  // read once everything was released
  std::uint64_t written = 0;
  std::size_t files = 0;      // large and small files
  std::size_t tinyFiles = 0;  // files that took file-table records
  std::chrono::steady_clock::duration elapsed{};
  // From the moment nothing more could be written until everything was released.
  std::optional<std::chrono::steady_clock::duration> fullFor;
  FileStatus error;  // why it failed
};

struct FillHooks {
  FillClock now = std::chrono::steady_clock::now;
  std::function<bool()> cancelled = [] { return false; };
  // At each phase and at most every kProgressInterval; on the worker's thread.
  std::function<void(const FillProgress&)> progress;
};

inline constexpr std::chrono::milliseconds kProgressInterval{200};

// Fills the free space of `drive` with files in `folder` (ending with the separator): large
// files to a small margin, then the last part in smaller blocks, then small files for the
// clusters left, then on NTFS tiny files for the free file-table records. Everything is
// released at once at the end, and on Cancel after the write in progress.
FillReport fillFreeSpace(FreeSpace& space, const Drive& drive, const std::string& folder,
                         const FillSettings& settings, const FillHooks& hooks);

// Writes up to `bytes` the way the fill does and releases them: the disk's speed, for the
// warning. Nothing when nothing could be written.
// Enough to time the disk past its cache, short enough not to hold up the warning; at most a
// quarter of what is free.
std::uint64_t probeBytesFor(const Drive& drive);
std::optional<double> probeWriteSpeed(FreeSpace& space, const std::string& folder,
                                      const FillSettings& settings, std::uint64_t bytes, const FillClock& now);

}  // namespace vellox
