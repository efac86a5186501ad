#include "platform/posix/posix_files.h"
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

FileStatus statusOf(int error) {
  FileErrc code = FileErrc::Other;
  if (error == ENOENT || error == ENOTDIR) code = FileErrc::NotFound;
  if (error == EACCES || error == EPERM || error == EROFS) code = FileErrc::AccessDenied;
  if (error == EBUSY || error == ETXTBSY) code = FileErrc::InUse;
  return {code, error, std::strerror(error)};
}

FileStatus lastStatus() { return statusOf(errno); }

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

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

class PosixWritableFile : public WritableFile {
 public:
  explicit PosixWritableFile(Descriptor fd) : fd_(std::move(fd)) {}
  FileStatus length(std::uint64_t& length) override {
    struct stat st {};
    if (::fstat(fd_.get(), &st) != 0) return lastStatus();
    length = static_cast<std::uint64_t>(st.st_size);
    return {};
  }
  FileStatus writeAt(std::uint64_t offset, const void* data, std::size_t size) override {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
      const ssize_t done = ::pwrite(fd_.get(), bytes, size, static_cast<off_t>(offset));
      if (done < 0 && errno == EINTR) continue;
      if (done < 0) return lastStatus();
      if (done == 0) return statusOf(EIO);
      bytes += done;
      offset += static_cast<std::uint64_t>(done);
      size -= static_cast<std::size_t>(done);
    }
    return {};
  }
  FileStatus flush() override {
    while (::fdatasync(fd_.get()) != 0) {
      if (errno != EINTR) return lastStatus();
    }
    return {};
  }
  std::uint32_t linkCount() override {
    struct stat st {};
    if (::fstat(fd_.get(), &st) != 0) return 0;
    return static_cast<std::uint32_t>(st.st_nlink);
  }

 private:
  Descriptor fd_;
};

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

// The entry's kind from the name itself; nothing when it is gone meanwhile.
std::optional<DirEntry> entryOf(int dirFd, const dirent& item) {
  DirEntry entry;
  entry.name = item.d_name;
  entry.hidden = item.d_name[0] == '.';
  struct stat st {};
  if (::fstatat(dirFd, item.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno == ENOENT) return std::nullopt;
    // Unknowable: only a kind the directory itself names is trusted, anything else is passed over.
    entry.link = item.d_type != DT_REG && item.d_type != DT_DIR;
    entry.surrogate = item.d_type == DT_LNK;
    entry.directory = item.d_type == DT_DIR;
    return entry;
  }
  entry.link = entry.surrogate = S_ISLNK(st.st_mode);
  entry.directory = S_ISDIR(st.st_mode);
  entry.readOnly = (st.st_mode & S_IWUSR) == 0;
  return entry;
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

  std::unique_ptr<WritableFile> openForWrite(const std::string& path, FileStatus& status) override {
    auto fd = openRegular(path, O_WRONLY | O_CREAT, status);
    if (!fd.valid()) return nullptr;
    return std::make_unique<PosixWritableFile>(std::move(fd));
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
    FolderListing listing;
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid()) {
      listing.status = lastStatus();
      return listing;
    }
    std::unique_ptr<DIR, DirCloser> dir(::fdopendir(fd.get()));
    if (!dir) {
      listing.status = lastStatus();
      return listing;
    }
    fd.release();  // the stream owns it now
    listing.opened = true;
    for (;;) {
      errno = 0;  // readdir tells its end from its failure only through errno
      const dirent* item = ::readdir(dir.get());
      if (!item) {
        if (errno != 0) listing.status = lastStatus();
        return listing;
      }
      if (std::strcmp(item->d_name, ".") == 0 || std::strcmp(item->d_name, "..") == 0) continue;
      if (auto entry = entryOf(::dirfd(dir.get()), *item)) listing.entries.push_back(std::move(*entry));
    }
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
