#include "platform/posix/posix_files.h"
#include "platform/posix/posix_file_node.h"
#include "platform/posix/posix_io.h"
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vellox::posix {

namespace {

// Opens the last component without following a link, and only a regular file
// (a FIFO or device would block or misbehave).
Descriptor openRegular(const std::string& path, int flags, FileStatus& status) {
  Descriptor fd(::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
  if (!fd.valid()) {
    status = lastStatus();
    return fd;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    status = statusOf(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    return Descriptor(-1);
  }
  status = {};
  return fd;
}

FileStatus chmodFile(const std::string& path, mode_t mode) {
  return ::fchmodat(AT_FDCWD, path.c_str(), mode, AT_SYMLINK_NOFOLLOW) == 0 ? FileStatus{} : lastStatus();
}

std::string folderOf(const std::string& path) {
  const auto cut = path.find_last_of('/');
  if (cut == std::string::npos) return ".";
  return cut == 0 ? "/" : path.substr(0, cut);
}

FileStatus syncFolder(const std::string& folder) {
  Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.valid()) return lastStatus();
  while (::fsync(fd.get()) != 0) {
    if (errno != EINTR) return lastStatus();
  }
  return {};
}

// Never replaces what has the new name. A file system without the no-replace rename gets a
// new link and loses the old one, which refuses a taken name the same way.
FileStatus renameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
  if (errno != EINVAL && errno != ENOSYS) return lastStatus();
  if (::link(from.c_str(), to.c_str()) != 0) return lastStatus();
  return ::unlink(from.c_str()) == 0 ? FileStatus{} : lastStatus();
}

class PosixFiles : public Files {
 public:
  char separator() const override { return '/'; }

  std::optional<std::string> literalPath(const std::string& text) override {
    if (text.empty() || text.front() != '/') return std::nullopt;
    return text;  // names are never reinterpreted here
  }

  std::unique_ptr<FileNode> openNode(const std::string& literalPath, FileStatus& status) override {
    return openPosixNode(literalPath, status);
  }

  std::unique_ptr<WritableFile> openForWrite(const std::string& path, FileStatus& status) override {
    auto fd = openRegular(path, O_WRONLY | O_CREAT, status);
    if (!fd.valid()) return nullptr;
    return makeWritable(std::move(fd));
  }

  FileStatus deleteFile(const std::string& path) override {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return statusOf(EISDIR);
    return ::unlink(path.c_str()) == 0 ? FileStatus{} : lastStatus();
  }

  FileStatus renameInFolder(const std::string& path, const std::string& newName) override {
    if (newName.empty() || newName.find('/') != std::string::npos) return statusOf(EINVAL);
    const std::string folder = folderOf(path);
    const std::string to = (folder == "/" ? "" : folder) + "/" + newName;
    if (FileStatus renamed = renameNoReplace(path, to); !renamed.ok()) return renamed;
    return syncFolder(folder);
  }

  // The files here hold one stream of data only.
  FileStatus namedStreams(const std::string& path, std::vector<std::string>& streams) override {
    streams.clear();
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? FileStatus{} : lastStatus();
  }

  FileStatus removeLink(const std::string& path) override {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return lastStatus();
    if (!S_ISLNK(st.st_mode)) return statusOf(EINVAL);
    return ::unlink(path.c_str()) == 0 ? FileStatus{} : lastStatus();
  }

  // The mode belongs to the file, and unlinking a name never needs it changed.
  FileStatus deleteOneName(const std::string& path) override { return deleteFile(path); }

  FileStatus setNormalAttributes(const std::string& path) override {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return lastStatus();
    if (S_ISLNK(st.st_mode)) return statusOf(ELOOP);
    return chmodFile(path, (st.st_mode & 07777 & ~(S_ISUID | S_ISGID | S_ISVTX)) | S_IRUSR | S_IWUSR);
  }

  FileStatus setAttributes(const std::string& path, std::uint32_t attributes) override {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return lastStatus();
    if (S_ISLNK(st.st_mode) || S_ISDIR(st.st_mode)) return statusOf(ELOOP);
    return chmodFile(path, static_cast<mode_t>(attributes & 07777));
  }

  FileStatus fileFacts(const std::string& path, FileFacts& facts) override {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return lastStatus();
    facts.links = static_cast<std::uint32_t>(st.st_nlink);
    facts.attributes = st.st_mode & 07777;
    facts.readOnly = (st.st_mode & S_IWUSR) == 0;
    facts.directory = S_ISDIR(st.st_mode);
    facts.link = facts.surrogate = S_ISLNK(st.st_mode);
    return {};
  }

  FileStatus fileLength(const std::string& path, std::uint64_t& length) override {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return lastStatus();
    length = static_cast<std::uint64_t>(st.st_size);
    return {};
  }

  FileStatus readFile(const std::string& path, std::string& contents, std::size_t maxBytes) override {
    FileStatus status;
    auto fd = openRegular(path, O_RDONLY, status);
    if (!fd.valid()) return status;
    contents.clear();
    char buffer[64 * 1024];
    while (contents.size() < maxBytes) {
      const ssize_t got = ::read(fd.get(), buffer, std::min(sizeof buffer, maxBytes - contents.size()));
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) return lastStatus();
      if (got == 0) break;
      contents.append(buffer, static_cast<std::size_t>(got));
    }
    return {};
  }

  FileStatus createFolder(const std::string& path) override {
    if (::mkdir(path.c_str(), 0777) == 0) return {};
    if (errno == ENOENT && folderOf(path) != path) {
      if (FileStatus above = createFolder(folderOf(path)); !above.ok()) return above;
      if (::mkdir(path.c_str(), 0777) == 0) return {};
    }
    if (errno != EEXIST) return lastStatus();
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? FileStatus{} : statusOf(EEXIST);
  }

  FolderListing readFolder(const std::string& folder) override {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid()) return {false, {}, lastStatus()};
    return listFolder(std::move(fd));
  }

  std::string tempPath() override {
    const char* dir = std::getenv("TMPDIR");
    std::string path = dir && *dir ? dir : "/tmp";
    if (path.back() != '/') path += '/';
    return path;
  }

  std::string createUniqueFile(const std::string& folder, const std::string& prefix) override {
    std::string path = folder + prefix + "XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0) return "";
    close(fd);
    return path;
  }
};

}  // namespace

std::unique_ptr<Files> makeFiles() { return std::make_unique<PosixFiles>(); }

}  // namespace vellox::posix
