#include "wipe/wipe_run.h"
#include <memory>

namespace vellox {

void WipeRun::setTotal(std::size_t files, std::uint64_t bytes) {
  files_ = files;
  bytesTotal_ = bytes;
  postRefresh();
}

void WipeRun::fileStarted(std::size_t file, const std::string& path) {
  {
    std::lock_guard lock(mutex_);
    path_ = path;
  }
  file_ = file;
  postRefresh();
}

void WipeRun::written(std::uint64_t bytes) {
  bytesDone_ += bytes;
  postRefresh();
}

void WipeRun::reached(std::uint64_t done, std::uint64_t total, const std::string& status) {
  {
    std::lock_guard lock(mutex_);
    status_ = status;
  }
  bytesTotal_ = total;
  bytesDone_ = done;
  postRefresh();
}

// Writes come far faster than the window repaints: one refresh waits at a time and
// reads the latest figures when it runs.
void WipeRun::postRefresh() {
  if (refreshPosted_.exchange(true)) return;
  ui_.post([self = shared_from_this()] {
    self->refreshPosted_ = false;
    auto& onProgress = self->onProgress;
    if (self->running_ && onProgress) onProgress();
  });
}

void WipeRun::finish(std::function<void()> ending) {
  ui_.post([self = shared_from_this(), ending = std::move(ending)] {
    self->running_ = false;
    if (self->onEnded) self->onEnded();
    if (!self->silenced_) ending();
  });
}

WipeProgress WipeRun::progress() const {
  WipeProgress now;
  now.bytesDone = bytesDone_;
  now.bytesTotal = bytesTotal_;
  now.file = file_;
  now.files = files_;
  std::lock_guard lock(mutex_);
  now.path = path_;
  now.status = status_;
  return now;
}

void WipeRun::requestCancel(WipeWorker& worker) {
  cancelRequested_ = true;
  worker.cancel(ticket);
}

}  // namespace vellox
