#pragma once
#include <cstdint>

namespace vellox {

// A bar that fills as work is done; the window's taskbar button shows the same.
class ProgressBar {
 public:
  virtual ~ProgressBar() = default;
  // `done` of `total`; more than the total shows a full bar. A total of 0 shows an empty one.
  virtual void setProgress(std::uint64_t done, std::uint64_t total) = 0;
  // Empty again, and the taskbar button plain.
  virtual void clear() = 0;
  // How full it is, in thousandths.
  virtual int permille() const = 0;
};

// Thousandths of the bar for `done` of `total`, kept within the bar.
inline int progressPermille(std::uint64_t done, std::uint64_t total) {
  if (total == 0) return 0;
  if (done >= total) return 1000;
  return static_cast<int>(done * 1000 / total);
}

}  // namespace vellox
