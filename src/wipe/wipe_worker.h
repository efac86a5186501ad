#pragma once
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <set>
#include <thread>
#include "wipe/shred_control.h"

namespace vellox {

// The one thread that wipes beside the window's, so the window keeps painting and
// answering. Jobs run one after the other in the order given. A job never touches a
// window: it reports through Ui::post.
class WipeWorker {
 public:
  using Job = std::function<void(ShredControl&)>;
  using Ticket = std::uint64_t;

  WipeWorker() = default;
  // Cancels every job, waits for the write in progress, then lets the thread go.
  ~WipeWorker();
  WipeWorker(const WipeWorker&) = delete;
  WipeWorker& operator=(const WipeWorker&) = delete;

  // Queues `job`; it gets a control of its own, already cancelled if it was cancelled
  // before it started.
  Ticket run(Job job);
  // The job stops after the write in progress, or starts cancelled.
  void cancel(Ticket ticket);
  void cancelAll();
  // Waits until no job is queued or running; false when `timeout` passed first.
  bool waitIdle(std::chrono::milliseconds timeout);
  bool idle() const;
  // The job in progress has been told to stop.
  bool stopping() const;

 private:
  void loop();

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::pair<Ticket, Job>> queue_;
  std::set<Ticket> cancelled_;
  Ticket next_ = 1;
  Ticket current_ = 0;
  ShredControl* currentControl_ = nullptr;
  bool stopping_ = false;
  // Started with the first job; declared last, so it ends before what it uses.
  std::thread thread_;
};

}  // namespace vellox
