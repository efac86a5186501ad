#include "free_space/fill_progress.h"
#include <algorithm>
#include <cmath>

namespace vellox {

int FillProgress::percent() const {
  if (total == 0) return phase == FillPhase::Large ? 0 : 100;
  return static_cast<int>(std::min<std::uint64_t>(written, total) * 100 / total);
}

FillProgress fillProgress(FillPhase phase, std::uint64_t written, std::uint64_t total,
                          std::chrono::steady_clock::duration elapsed) {
  FillProgress progress;
  progress.phase = phase;
  progress.written = written;
  progress.total = total;
  const double seconds = std::chrono::duration<double>(elapsed).count();
  if (written == 0 || seconds <= 0) return progress;
  progress.bytesPerSecond = static_cast<double>(written) / seconds;
  const std::uint64_t left = total > written ? total - written : 0;
  progress.timeLeft = std::chrono::seconds(
      static_cast<std::int64_t>(std::ceil(static_cast<double>(left) / progress.bytesPerSecond)));
  return progress;
}

}  // namespace vellox
