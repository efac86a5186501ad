#pragma once
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "platform/file_node.h"
#include "platform/files.h"
#include "platform/services.h"

namespace vellox {

// The file service as a clean sees it: once `stopped` answers true, every open for writing,
// write and deletion is refused, so a step that walks many files (a browser's cache, deleted
// one file after another) ends within one file operation of a stop or a deadline, even where
// it takes no control of its own. The write in progress ends; reading stays allowed, so what
// is left can still be counted. Safe from several threads, as the shredder calls it.
class StoppingFiles final : public Files {
 public:
  StoppingFiles(Files& files, std::function<bool()> stopped);

  // Operations refused because of a stop.
  std::size_t refused() const { return refused_.load(); }

  char separator() const override { return files_.separator(); }
  std::optional<std::string> literalPath(const std::string& text) override { return files_.literalPath(text); }
  // Refused once stopped; a node opened before goes on, as the gate's walk holds it.
  std::unique_ptr<FileNode> openNode(const std::string& literalPath, FileStatus& status) override;
  std::unique_ptr<WritableFile> openForWrite(const std::string& path, FileStatus& status) override;
  FileStatus deleteFile(const std::string& path) override;
  FileStatus renameInFolder(const std::string& path, const std::string& newName) override {
    return files_.renameInFolder(path, newName);
  }
  FileStatus namedStreams(const std::string& path, std::vector<std::string>& streams) override {
    return files_.namedStreams(path, streams);
  }
  FileStatus removeLink(const std::string& path) override;
  FileStatus deleteOneName(const std::string& path) override;
  FileStatus setNormalAttributes(const std::string& path) override { return files_.setNormalAttributes(path); }
  FileStatus setAttributes(const std::string& path, std::uint32_t attributes) override {
    return files_.setAttributes(path, attributes);
  }
  FileStatus fileFacts(const std::string& path, FileFacts& facts) override { return files_.fileFacts(path, facts); }
  FileStatus fileLength(const std::string& path, std::uint64_t& length) override {
    return files_.fileLength(path, length);
  }
  FileStatus readFile(const std::string& path, std::string& contents, std::size_t maxBytes) override {
    return files_.readFile(path, contents, maxBytes);
  }
  FolderListing readFolder(const std::string& folder) override { return files_.readFolder(folder); }
  FileStatus createFolder(const std::string& path) override { return files_.createFolder(path); }
  std::string tempPath() override { return files_.tempPath(); }
  std::string createUniqueFile(const std::string& folder, const std::string& prefix) override {
    return files_.createUniqueFile(folder, prefix);
  }

  // Whether to refuse now; counts the refusal.
  bool refuse();

 private:
  Files& files_;
  std::function<bool()> stopped_;
  std::atomic<std::size_t> refused_{0};
};

// The status of an operation refused because the clean was stopped.
FileStatus stoppedStatus();

// `services` with `files` in place of its file service.
Services withFiles(const Services& services, Files& files);

}  // namespace vellox
