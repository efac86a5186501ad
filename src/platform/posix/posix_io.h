#pragma once
#include <memory>
#include "platform/files.h"

namespace vellox::posix {

FileStatus statusOf(int error);
FileStatus lastStatus();

// Owns one file descriptor.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  Descriptor& operator=(Descriptor&&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  void release() { fd_ = -1; }

 private:
  int fd_;
};

// A writer over the descriptor, which it owns.
std::unique_ptr<WritableFile> makeWritable(Descriptor fd);

// The entries of the open folder, "." and ".." left out; each entry's kind is read from the
// name itself, never from what a link leads to.
FolderListing listFolder(Descriptor folder);

}  // namespace vellox::posix
