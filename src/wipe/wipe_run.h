#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include "platform/ui.h"
#include "wipe/wipe_worker.h"

namespace vellox {

// How far a wipe has come, as the window shows it.
struct WipeProgress {
  std::uint64_t bytesDone = 0;
  std::uint64_t bytesTotal = 0;
  std::size_t file = 0;   // the file in progress, from 1; 0 before the first
  std::size_t files = 0;  // how many the wipe has
  std::string path;       // the file in progress
  std::string status;     // a free-space fill's line for the status bar
};

// A wipe the user started, shared by the worker that does it and the window that
// shows it. The worker reports from any of its threads; the window's side runs only
// in tasks posted to the window's thread, at most one refresh waiting at a time.
class WipeRun : public std::enable_shared_from_this<WipeRun> {
 public:
  explicit WipeRun(Ui& ui) : ui_(ui) {}

  // Worker side, from any thread.
  void setTotal(std::size_t files, std::uint64_t bytes);
  void fileStarted(std::size_t file, const std::string& path);
  void written(std::uint64_t bytes);
  // A free-space fill: `done` of `total` bytes, and what the status bar says of it.
  void reached(std::uint64_t done, std::uint64_t total, const std::string& status);
  // Posts `ending` to the window's thread; from then on the run no longer counts as running.
  void finish(std::function<void()> ending);

  // Window side.
  WipeProgress progress() const;
  bool running() const { return running_; }
  bool cancelRequested() const { return cancelRequested_; }
  void requestCancel(WipeWorker& worker);
  // The program ends: the closing boxes are not shown.
  void silence() { silenced_ = true; }
  WipeWorker::Ticket ticket = 0;
  // The run fills a drive's free space rather than wiping files; set before it is queued.
  bool freeSpace = false;
  // The window showing the run, if any: told of progress and of the end. Set and
  // cleared by the window on its own thread.
  std::function<void()> onProgress;
  std::function<void()> onEnded;
  // The window the closing boxes belong to: 0 while none is shown.
  std::function<std::uintptr_t()> owner;

 private:
  void postRefresh();

  Ui& ui_;
  mutable std::mutex mutex_;
  std::string path_;
  std::string status_;
  std::atomic<std::uint64_t> bytesDone_{0};
  std::atomic<std::uint64_t> bytesTotal_{0};
  std::atomic<std::size_t> file_{0};
  std::atomic<std::size_t> files_{0};
  std::atomic<bool> refreshPosted_{false};
  // Window's thread only.
  bool running_ = true;
  bool cancelRequested_ = false;
  bool silenced_ = false;
};

}  // namespace vellox
