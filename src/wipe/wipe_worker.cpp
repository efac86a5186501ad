#include "wipe/wipe_worker.h"

namespace vellox {

WipeWorker::~WipeWorker() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  cancelAll();
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

WipeWorker::Ticket WipeWorker::run(Job job) {
  std::lock_guard lock(mutex_);
  const Ticket ticket = next_++;
  queue_.emplace_back(ticket, std::move(job));
  if (!thread_.joinable()) thread_ = std::thread([this] { loop(); });
  changed_.notify_all();
  return ticket;
}

void WipeWorker::cancel(Ticket ticket) {
  std::lock_guard lock(mutex_);
  cancelled_.insert(ticket);
  if (ticket == current_ && currentControl_) currentControl_->cancelled = true;
}

void WipeWorker::cancelAll() {
  std::lock_guard lock(mutex_);
  for (const auto& queued : queue_) cancelled_.insert(queued.first);
  if (currentControl_) currentControl_->cancelled = true;
}

bool WipeWorker::idle() const {
  std::lock_guard lock(mutex_);
  return queue_.empty() && current_ == 0;
}

bool WipeWorker::stopping() const {
  std::lock_guard lock(mutex_);
  return currentControl_ && currentControl_->stopped();
}

bool WipeWorker::waitIdle(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, timeout, [this] { return queue_.empty() && current_ == 0; });
}

void WipeWorker::loop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (queue_.empty()) return;
    auto [ticket, job] = std::move(queue_.front());
    queue_.pop_front();
    ShredControl control;
    control.cancelled = stopping_ || cancelled_.erase(ticket) > 0;
    current_ = ticket;
    currentControl_ = &control;
    lock.unlock();
    job(control);
    // The job's captures go on this thread, before anyone is told it ended.
    job = nullptr;
    lock.lock();
    cancelled_.erase(ticket);
    current_ = 0;
    currentControl_ = nullptr;
    changed_.notify_all();
  }
}

}  // namespace vellox
