#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace vellox {

struct Shred;

// How a running wipe is stopped and followed. The callbacks run on the threads that do the
// work, so they must not touch a window. A batch wipes several files at once: `written` and
// `finished` may then run on several threads at the same time; `started` runs for one file at
// a time, in order.
struct ShredControl {
  // Set from any thread: the wipe stops after the write in progress.
  std::atomic<bool> cancelled{false};
  // A write of this many bytes reached the file.
  std::function<void(std::uint64_t bytes)> written;
  // Of a batch: file `index` is started, and file `index` has ended.
  std::function<void(std::size_t index)> started;
  std::function<void(std::size_t index, const Shred& shred)> finished;

  // How many files of a batch are wiped at once: their flushes overlap, which is most of the
  // time of a small file. One keeps the whole batch on the calling thread.
  unsigned workers = 4;

  bool stopped() const { return cancelled.load(std::memory_order_relaxed); }
};

}  // namespace vellox
