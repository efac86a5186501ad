#include "browsers/stopping_files.h"
#include <utility>

namespace vellox {

namespace {

// A file opened before the stop: the write in progress ends, the next is refused.
class StoppingWritableFile final : public WritableFile {
 public:
  StoppingWritableFile(std::unique_ptr<WritableFile> file, StoppingFiles& owner)
      : file_(std::move(file)), owner_(owner) {}
  FileStatus length(std::uint64_t& length) override { return file_->length(length); }
  FileStatus writeAt(std::uint64_t offset, const void* data, std::size_t size) override {
    if (owner_.refuse()) return stoppedStatus();
    return file_->writeAt(offset, data, size);
  }
  FileStatus flush() override { return file_->flush(); }
  std::uint32_t linkCount() override { return file_->linkCount(); }

 private:
  std::unique_ptr<WritableFile> file_;
  StoppingFiles& owner_;
};

// A node opened before the stop, and every node opened through it: the gate walks a folder
// through its handles, so the stop must reach each child it opens, writes and removes.
class StoppingNode final : public FileNode {
 public:
  StoppingNode(std::unique_ptr<FileNode> node, StoppingFiles& owner) : node_(std::move(node)), owner_(owner) {}
  const NodeFacts& facts() const override { return node_->facts(); }
  const std::string& path() const override { return node_->path(); }
  FolderListing list() override { return node_->list(); }
  std::unique_ptr<FileNode> openChild(const DirEntry& entry, FileStatus& status) override {
    auto child = node_->openChild(entry, status);
    return child ? std::make_unique<StoppingNode>(std::move(child), owner_) : nullptr;
  }
  std::unique_ptr<WritableFile> openForWriting(FileStatus& status) override {
    return writer(owner_.refuse() ? nullptr : node_->openForWriting(status), status);
  }
  FileStatus streams(std::vector<std::string>& names) override { return node_->streams(names); }
  std::unique_ptr<WritableFile> openStream(const std::string& name, FileStatus& status) override {
    return writer(owner_.refuse() ? nullptr : node_->openStream(name, status), status);
  }
  FileStatus rename(const std::string& newName) override { return node_->rename(newName); }
  FileStatus remove() override { return owner_.refuse() ? stoppedStatus() : node_->remove(); }
  FileStatus makeWritable() override { return node_->makeWritable(); }
  FileStatus setAttributes(std::uint32_t attributes) override { return node_->setAttributes(attributes); }

 private:
  std::unique_ptr<WritableFile> writer(std::unique_ptr<WritableFile> file, FileStatus& status) {
    if (!file) {
      if (status.ok()) status = stoppedStatus();
      return nullptr;
    }
    return std::make_unique<StoppingWritableFile>(std::move(file), owner_);
  }

  std::unique_ptr<FileNode> node_;
  StoppingFiles& owner_;
};

}  // namespace

FileStatus stoppedStatus() { return {FileErrc::Other, 0, "stopped"}; }

StoppingFiles::StoppingFiles(Files& files, std::function<bool()> stopped)
    : files_(files), stopped_(std::move(stopped)) {}

bool StoppingFiles::refuse() {
  if (!stopped_()) return false;
  ++refused_;
  return true;
}

std::unique_ptr<WritableFile> StoppingFiles::openForWrite(const std::string& path, FileStatus& status) {
  if (refuse()) {
    status = stoppedStatus();
    return nullptr;
  }
  auto file = files_.openForWrite(path, status);
  if (!file) return nullptr;
  return std::make_unique<StoppingWritableFile>(std::move(file), *this);
}

std::unique_ptr<FileNode> StoppingFiles::openNode(const std::string& literalPath, FileStatus& status) {
  if (refuse()) {
    status = stoppedStatus();
    return nullptr;
  }
  auto node = files_.openNode(literalPath, status);
  return node ? std::make_unique<StoppingNode>(std::move(node), *this) : nullptr;
}

FileStatus StoppingFiles::deleteFile(const std::string& path) {
  return refuse() ? stoppedStatus() : files_.deleteFile(path);
}

FileStatus StoppingFiles::removeLink(const std::string& path) {
  return refuse() ? stoppedStatus() : files_.removeLink(path);
}

FileStatus StoppingFiles::deleteOneName(const std::string& path) {
  return refuse() ? stoppedStatus() : files_.deleteOneName(path);
}

Services withFiles(const Services& services, Files& files) {
  return {services.ui,       services.views,      services.settings, services.registry,
          services.shell,    files,               services.urlCache, services.urlHistory,
          services.download, services.instance,   services.systemFolders};
}

}  // namespace vellox
