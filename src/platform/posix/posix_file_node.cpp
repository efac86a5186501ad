#include "platform/posix/posix_file_node.h"
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include "platform/posix/posix_io.h"

namespace vellox::posix {

namespace {

// A folder's descriptor, shared by the nodes opened in it so that it outlives them.
using SharedFolder = std::shared_ptr<Descriptor>;

NodeFacts factsOf(const struct stat& st) {
  NodeFacts facts;
  if (S_ISLNK(st.st_mode)) facts.kind = NodeKind::Link;
  else if (S_ISDIR(st.st_mode)) facts.kind = NodeKind::Folder;
  else if (S_ISREG(st.st_mode)) facts.kind = NodeKind::File;
  else facts.kind = NodeKind::Other;
  facts.attributes = st.st_mode & 07777;
  facts.readOnly = (st.st_mode & S_IWUSR) == 0;
  facts.links = static_cast<std::uint32_t>(st.st_nlink);
  facts.identity = {static_cast<std::uint64_t>(st.st_dev), 0, static_cast<std::uint64_t>(st.st_ino)};
  facts.length = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
  return facts;
}

std::string procPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

class PosixNode : public FileNode {
 public:
  PosixNode(SharedFolder parent, std::string name, Descriptor self, std::string path, const NodeFacts& facts)
      : parent_(std::move(parent)), name_(std::move(name)), self_(std::make_shared<Descriptor>(std::move(self))),
        path_(std::move(path)), facts_(facts) {}

  const NodeFacts& facts() const override { return facts_; }
  const std::string& path() const override { return path_; }

  FolderListing list() override {
    FolderListing listing;
    Descriptor fd(::openat(self_->get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (facts_.kind != NodeKind::Folder || !fd.valid()) {
      listing.status = facts_.kind != NodeKind::Folder ? statusOf(ENOTDIR) : lastStatus();
      return listing;
    }
    return listFolder(std::move(fd));
  }

  std::unique_ptr<FileNode> openChild(const DirEntry& entry, FileStatus& status) override {
    Descriptor fd(::openat(self_->get(), entry.name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0) {
      status = lastStatus();
      return nullptr;
    }
    NodeFacts facts = factsOf(st);
    if (entry.link && facts.kind != NodeKind::Link) facts.kind = entry.surrogate ? NodeKind::Link : NodeKind::DataLink;
    status = {};
    const std::string child = path_ + (path_.back() == '/' ? "" : "/") + entry.name;
    return std::make_unique<PosixNode>(self_, entry.name, std::move(fd), child, facts);
  }

  std::unique_ptr<WritableFile> openForWriting(FileStatus& status) override {
    if (facts_.kind != NodeKind::File) {
      status = statusOf(EINVAL);
      return nullptr;
    }
    // The open file itself, reached through its descriptor, never through its name again.
    Descriptor fd(::open(procPath(self_->get()).c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
      status = lastStatus();
      return nullptr;
    }
    status = {};
    return posix::makeWritable(std::move(fd));
  }

  FileStatus streams(std::vector<std::string>& names) override {
    names.clear();  // the files here hold one stream of data only
    return {};
  }

  std::unique_ptr<WritableFile> openStream(const std::string&, FileStatus& status) override {
    status = statusOf(ENOENT);
    return nullptr;
  }

  FileStatus rename(const std::string& newName) override {
    if (!parent_ || newName.empty() || newName.find('/') != std::string::npos) return statusOf(EINVAL);
    if (FileStatus same = stillHere(); !same.ok()) return same;
    if (::renameat2(parent_->get(), name_.c_str(), parent_->get(), newName.c_str(), RENAME_NOREPLACE) != 0)
      return lastStatus();
    path_ = path_.substr(0, path_.size() - name_.size()) + newName;
    name_ = newName;
    Descriptor folder(::openat(parent_->get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) ::fsync(folder.get());
    return {};
  }

  FileStatus remove() override {
    if (!parent_) return statusOf(EINVAL);
    if (FileStatus same = stillHere(); !same.ok()) return same;
    const int flags = facts_.kind == NodeKind::Folder ? AT_REMOVEDIR : 0;
    return ::unlinkat(parent_->get(), name_.c_str(), flags) == 0 ? FileStatus{} : lastStatus();
  }

  FileStatus makeWritable() override {
    return setAttributes((facts_.attributes & ~(S_ISUID | S_ISGID | S_ISVTX)) | S_IRUSR | S_IWUSR);
  }

  FileStatus setAttributes(std::uint32_t attributes) override {
    if (facts_.kind != NodeKind::File) return statusOf(ELOOP);
    return ::chmod(procPath(self_->get()).c_str(), static_cast<mode_t>(attributes & 07777)) == 0 ? FileStatus{}
                                                                                                 : lastStatus();
  }

 private:
  // The name in the pinned folder must still be the node: the calls by name that unlinking and
  // renaming take here would otherwise reach whatever took its place.
  FileStatus stillHere() {
    struct stat now {};
    if (::fstatat(parent_->get(), name_.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0) return lastStatus();
    const NodeFacts facts = factsOf(now);
    return facts.identity == facts_.identity ? FileStatus{} : statusOf(ENOENT);
  }

  SharedFolder parent_;
  std::string name_;
  SharedFolder self_;
  std::string path_;
  NodeFacts facts_;
};

}  // namespace

std::unique_ptr<FileNode> openPosixNode(const std::string& path, FileStatus& status) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  const auto cut = trimmed.find_last_of('/');
  if (trimmed.empty() || trimmed.front() != '/' || cut == std::string::npos || cut + 1 == trimmed.size()) {
    status = statusOf(EINVAL);  // a relative path, or the root, which has no folder above it
    return nullptr;
  }
  const std::string folder = cut == 0 ? "/" : trimmed.substr(0, cut), name = trimmed.substr(cut + 1);
  auto parent = std::make_shared<Descriptor>(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!parent->valid()) {
    status = lastStatus();
    return nullptr;
  }
  Descriptor fd(::openat(parent->get(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
  struct stat st {};
  if (!fd.valid() || ::fstat(fd.get(), &st) != 0) {
    status = lastStatus();
    return nullptr;
  }
  status = {};
  return std::make_unique<PosixNode>(std::move(parent), name, std::move(fd), trimmed, factsOf(st));
}

}  // namespace vellox::posix
