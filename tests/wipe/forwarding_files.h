#pragma once
#include <algorithm>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>
#include "fakes/path_node.h"
#include "platform/files.h"

namespace vellox::test {

// What a write or flush on a full disk gives.
inline const FileStatus kDiskFull{FileErrc::Other, 112, "There is not enough space on the disk."};

// Passes every call to another file service; tests override the calls they watch.
class ForwardingFiles : public Files {
 public:
  explicit ForwardingFiles(Files& inner) : inner_(inner) {}
  char separator() const override { return inner_.separator(); }
  std::optional<std::string> literalPath(const std::string& text) override { return inner_.literalPath(text); }
  // Through this service's own calls, so that what a test overrides is what the node does.
  std::unique_ptr<FileNode> openNode(const std::string& path, FileStatus& status) override {
    return openPathNode(*this, path, status);
  }
  std::unique_ptr<WritableFile> openForWrite(const std::string& path, FileStatus& status) override {
    return inner_.openForWrite(path, status);
  }
  FileStatus deleteFile(const std::string& path) override { return inner_.deleteFile(path); }
  FileStatus renameInFolder(const std::string& path, const std::string& newName) override {
    return inner_.renameInFolder(path, newName);
  }
  FileStatus namedStreams(const std::string& path, std::vector<std::string>& streams) override {
    return inner_.namedStreams(path, streams);
  }
  FileStatus removeLink(const std::string& path) override { return inner_.removeLink(path); }
  FileStatus deleteOneName(const std::string& path) override { return inner_.deleteOneName(path); }
  FileStatus setNormalAttributes(const std::string& path) override { return inner_.setNormalAttributes(path); }
  FileStatus setAttributes(const std::string& path, std::uint32_t attributes) override {
    return inner_.setAttributes(path, attributes);
  }
  FileStatus fileFacts(const std::string& path, FileFacts& facts) override { return inner_.fileFacts(path, facts); }
  FileStatus fileLength(const std::string& path, std::uint64_t& length) override {
    return inner_.fileLength(path, length);
  }
  FileStatus readFile(const std::string& path, std::string& contents, std::size_t maxBytes) override {
    return inner_.readFile(path, contents, maxBytes);
  }
  FolderListing readFolder(const std::string& folder) override { return inner_.readFolder(folder); }
  FileStatus createFolder(const std::string& path) override { return inner_.createFolder(path); }
  std::string tempPath() override { return inner_.tempPath(); }
  std::string createUniqueFile(const std::string& folder, const std::string& prefix) override {
    return inner_.createUniqueFile(folder, prefix);
  }

 protected:
  Files& inner_;
};

// Records each pass on a real file service: the length when opened, every write,
// the length the file had when the pass was flushed, and the bytes at deletion.
class PassRecorder : public ForwardingFiles {
 public:
  struct Pass {
    std::uint64_t lengthAtOpen = 0;
    std::uint64_t bytesWritten = 0;
    std::uint64_t end = 0;  // one past the highest byte written
    std::size_t largestWrite = 0;
    bool contiguousFromZero = true;
    int flushes = 0;
    bool flushedAfterLastWrite = false;
  };
  using ForwardingFiles::ForwardingFiles;

  std::unique_ptr<WritableFile> openForWrite(const std::string& path, FileStatus& status) override;
  FileStatus deleteFile(const std::string& path) override {
    std::string contents;
    const bool read = inner_.readFile(path, contents, std::string::npos).ok();
    auto status = inner_.deleteFile(path);
    std::lock_guard lock(mutex_);
    if (read && status.ok()) deleted.push_back(contents);
    return status;
  }

  std::deque<Pass> passes;
  std::vector<std::string> deleted;  // what each deleted file held
  // Makes the writes, or the flush, of the given pass (1-based) fail, as a full disk would.
  int failWritesInPass = 0;
  int failFlushInPass = 0;

 private:
  // Several files may be wiped at once.
  std::mutex mutex_;
};

class RecordingFile : public WritableFile {
 public:
  RecordingFile(std::unique_ptr<WritableFile> inner, PassRecorder::Pass& pass, bool failWrites, bool failFlush)
      : inner_(std::move(inner)), pass_(pass), failWrites_(failWrites), failFlush_(failFlush) {}
  FileStatus length(std::uint64_t& length) override { return inner_->length(length); }
  FileStatus writeAt(std::uint64_t offset, const void* data, std::size_t size) override {
    if (offset != pass_.end) pass_.contiguousFromZero = false;
    pass_.end = std::max(pass_.end, offset + size);
    pass_.bytesWritten += size;
    pass_.largestWrite = std::max(pass_.largestWrite, size);
    pass_.flushedAfterLastWrite = false;
    return failWrites_ ? kDiskFull : inner_->writeAt(offset, data, size);
  }
  FileStatus flush() override {
    ++pass_.flushes;
    pass_.flushedAfterLastWrite = true;
    const FileStatus flushed = inner_->flush();
    return failFlush_ && flushed.ok() ? kDiskFull : flushed;
  }
  std::uint32_t linkCount() override { return inner_->linkCount(); }

 private:
  std::unique_ptr<WritableFile> inner_;
  PassRecorder::Pass& pass_;
  bool failWrites_;
  bool failFlush_;
};

inline std::unique_ptr<WritableFile> PassRecorder::openForWrite(const std::string& path, FileStatus& status) {
  auto file = inner_.openForWrite(path, status);
  if (!file) return file;
  std::lock_guard lock(mutex_);
  passes.push_back({});
  file->length(passes.back().lengthAtOpen);
  const int pass = static_cast<int>(passes.size());
  return std::make_unique<RecordingFile>(std::move(file), passes.back(), pass == failWritesInPass,
                                         pass == failFlushInPass);
}

}  // namespace vellox::test
