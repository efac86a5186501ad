#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

namespace vellox {

enum class FillPhase { Large, LastPart, SmallFiles, TinyFiles, Releasing };

using FillClock = std::function<std::chrono::steady_clock::time_point()>;

// How far a fill has come: bytes written out of the free bytes at the start.
struct FillProgress {
  FillPhase phase = FillPhase::Large;
  std::uint64_t written = 0;
  std::uint64_t total = 0;
  double bytesPerSecond = 0;  // 0 until something was written
  std::optional<std::chrono::seconds> timeLeft;
  // Whole percent, at most 100 (others may free space while the fill runs).
  int percent() const;
};

FillProgress fillProgress(FillPhase phase, std::uint64_t written, std::uint64_t total,
                          std::chrono::steady_clock::duration elapsed);

}  // namespace vellox
