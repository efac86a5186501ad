#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace vellox {

struct Shred;

// How a running wipe is stopped and followed. The callbacks run on the thread that
// does the work, so they must not touch a window.
struct ShredControl {
  // Set from any thread: the wipe stops after the write in progress.
  std::atomic<bool> cancelled{false};
  // A write of this many bytes reached the file.
  std::function<void(std::uint64_t bytes)> written;
  // Of a batch: file `index` is started, and file `index` has ended.
  std::function<void(std::size_t index)> started;
  std::function<void(std::size_t index, const Shred& shred)> finished;

  bool stopped() const { return cancelled.load(std::memory_order_relaxed); }
};

}  // namespace vellox
