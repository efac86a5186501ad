#pragma once
#include <condition_variable>
#include <memory>
#include <mutex>
#include "wipe/forwarding_files.h"

namespace vellox::test {

// Holds the first write of a wipe in progress until the test lets it go, so the test
// can act while a wipe runs; every other call passes straight through.
class HeldFiles : public ForwardingFiles {
 public:
  using ForwardingFiles::ForwardingFiles;

  std::unique_ptr<WritableFile> openForWrite(const std::string& path, FileStatus& status) override {
    auto file = inner_.openForWrite(path, status);
    return file ? std::make_unique<HeldFile>(*this, std::move(file)) : nullptr;
  }
  // Waits until a write is being held; false after 20 s.
  bool waitUntilHeld() {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(20), [this] { return held_; });
  }
  void release() {
    std::lock_guard lock(mutex_);
    released_ = true;
    changed_.notify_all();
  }

 private:
  class HeldFile : public WritableFile {
   public:
    HeldFile(HeldFiles& owner, std::unique_ptr<WritableFile> inner) : owner_(owner), inner_(std::move(inner)) {}
    FileStatus length(std::uint64_t& length) override { return inner_->length(length); }
    FileStatus writeAt(std::uint64_t offset, const void* data, std::size_t size) override {
      owner_.hold();
      return inner_->writeAt(offset, data, size);
    }
    FileStatus flush() override { return inner_->flush(); }
    std::uint32_t linkCount() override { return inner_->linkCount(); }

   private:
    HeldFiles& owner_;
    std::unique_ptr<WritableFile> inner_;
  };

  void hold() {
    std::unique_lock lock(mutex_);
    held_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return released_; });
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  bool held_ = false;
  bool released_ = false;
};

}  // namespace vellox::test
