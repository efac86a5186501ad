#include <algorithm>
#include <mutex>
#include <thread>
#include "wipe/mod_secure_wipe.h"

namespace vellox {

std::vector<Shred> shredFiles(Files& files, const std::vector<std::string>& paths, std::size_t first, int passes,
                              ShredControl& control) {
  const std::size_t count = first < paths.size() ? paths.size() - first : 0;
  std::vector<Shred> results(count);
  std::mutex order;
  std::size_t next = first;
  // Each worker takes the next file in order; that file's passes stay on that worker, in order.
  auto work = [&] {
    for (;;) {
      std::size_t index = 0;
      {
        std::lock_guard guard(order);
        if (next >= paths.size()) return;
        index = next++;
        if (control.started) control.started(index);
      }
      // A file not started before the cancel comes back Cancelled without being touched.
      results[index - first] = shredFile(files, paths[index], passes, &control);
      if (control.finished) control.finished(index, results[index - first]);
    }
  };
  const std::size_t workers = std::min<std::size_t>(std::max(control.workers, 1u), std::max<std::size_t>(count, 1));
  {
    // Joined on the way out, also when this thread's share throws.
    std::vector<std::jthread> helpers;
    for (std::size_t i = 1; i < workers; ++i) helpers.emplace_back(work);
    work();
  }
  return results;
}

}  // namespace vellox
