#include "fakes/path_node.h"
#include "fakes/fake_files.h"

namespace vellox::test {

namespace {

const FileStatus kReplaced{FileErrc::NotFound, 2, "The file was replaced since it was opened."};
const FileStatus kNotAFile{FileErrc::Other, 5, "It is not a file."};

NodeKind kindOf(const FileFacts& facts) {
  if (facts.link) return facts.surrogate ? NodeKind::Link : NodeKind::DataLink;
  return facts.directory ? NodeKind::Folder : NodeKind::File;
}

class PathNode : public FileNode {
 public:
  PathNode(Files& files, std::string path, const FileFacts& facts, std::uint64_t length)
      : files_(files), path_(std::move(path)),
        facts_{kindOf(facts), facts.attributes, facts.readOnly, facts.relocating, facts.links, facts.identity,
               length} {}

  const NodeFacts& facts() const override { return facts_; }
  const std::string& path() const override { return path_; }

  FolderListing list() override {
    if (FileStatus same = stillSame(); !same.ok()) return {false, {}, same};
    return files_.readFolder(path_);
  }

  std::unique_ptr<FileNode> openChild(const DirEntry& entry, FileStatus& status) override {
    if (status = stillSame(); !status.ok()) return nullptr;
    std::string child = path_;
    if (child.back() != files_.separator()) child += files_.separator();
    auto node = openPathNode(files_, child + entry.name, status);
    if (node && entry.link && node->facts().kind != NodeKind::Link && node->facts().kind != NodeKind::DataLink)
      static_cast<PathNode&>(*node).facts_.kind = entry.surrogate ? NodeKind::Link : NodeKind::DataLink;
    return node;
  }

  std::unique_ptr<WritableFile> openForWriting(FileStatus& status) override {
    if (facts_.kind != NodeKind::File) {
      status = kNotAFile;
      return nullptr;
    }
    if (status = stillSame(); !status.ok()) return nullptr;
    return files_.openForWrite(path_, status);
  }

  FileStatus streams(std::vector<std::string>& names) override {
    if (FileStatus same = stillSame(); !same.ok()) return same;
    std::vector<std::string> paths;
    FileStatus listed = files_.namedStreams(path_, paths);
    names.clear();
    for (const auto& stream : paths) names.push_back(stream.substr(path_.size()));
    return listed;
  }

  std::unique_ptr<WritableFile> openStream(const std::string& name, FileStatus& status) override {
    if (status = stillSame(); !status.ok()) return nullptr;
    return files_.openForWrite(path_ + name, status);
  }

  FileStatus rename(const std::string& newName) override {
    if (FileStatus same = stillSame(); !same.ok()) return same;
    FileStatus renamed = files_.renameInFolder(path_, newName);
    if (renamed.ok()) path_ = path_.substr(0, path_.find_last_of(files_.separator()) + 1) + newName;
    return renamed;
  }

  FileStatus remove() override {
    if (FileStatus same = stillSame(); !same.ok()) return same;
    if (facts_.kind == NodeKind::Link) return files_.removeLink(path_);
    // A folder goes only when empty, as the systems' own do.
    if (auto* fake = dynamic_cast<FakeFiles*>(&files_); fake && facts_.kind == NodeKind::Folder)
      return fake->removeEmptyFolder(path_);
    if (facts_.kind == NodeKind::File && facts_.links > 1) return files_.deleteOneName(path_);
    return files_.deleteFile(path_);
  }

  FileStatus makeWritable() override {
    if (FileStatus same = stillSame(); !same.ok()) return same;
    return files_.setNormalAttributes(path_);
  }

  FileStatus setAttributes(std::uint32_t attributes) override {
    if (FileStatus same = stillSame(); !same.ok()) return same;
    return files_.setAttributes(path_, attributes);
  }

 private:
  FileStatus stillSame() {
    FileFacts now;
    if (FileStatus found = files_.fileFacts(path_, now); !found.ok()) return found;
    return now.identity == facts_.identity ? FileStatus{} : kReplaced;
  }

  Files& files_;
  std::string path_;
  NodeFacts facts_;
};

}  // namespace

std::unique_ptr<FileNode> openPathNode(Files& files, const std::string& path, FileStatus& status) {
  FileFacts facts;
  if (status = files.fileFacts(path, facts); !status.ok()) return nullptr;
  std::uint64_t length = 0;
  if (!facts.directory && !facts.link) files.fileLength(path, length);
  return std::make_unique<PathNode>(files, path, facts, length);
}

}  // namespace vellox::test
