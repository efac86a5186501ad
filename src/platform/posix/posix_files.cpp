#include "platform/posix/posix_files.h"
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace vellox::posix {

namespace {

FileStatus statusOf(int error) {
  FileErrc code = FileErrc::Other;
  if (error == ENOENT || error == ENOTDIR) code = FileErrc::NotFound;
  if (error == EACCES || error == EPERM || error == EROFS) code = FileErrc::AccessDenied;
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
  std::optional<std::uint64_t> length() override {
    struct stat st {};
    if (::fstat(fd_.get(), &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
  }
  bool writeAt(std::uint64_t offset, const void* data, std::size_t size) override {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
      const ssize_t done = ::pwrite(fd_.get(), bytes, size, static_cast<off_t>(offset));
      if (done < 0 && errno == EINTR) continue;
      if (done <= 0) return false;
      bytes += done;
      offset += static_cast<std::uint64_t>(done);
      size -= static_cast<std::size_t>(done);
    }
    return true;
  }
  bool flush() override {
    while (::fdatasync(fd_.get()) != 0) {
      if (errno != EINTR) return false;
    }
    return true;
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

DirEntry entryOf(int dirFd, const char* name) {
  DirEntry entry;
  entry.name = name;
  entry.hidden = name[0] == '.';
  struct stat st {};
  if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
    // Gone meanwhile, or unknowable: safest to pass it over like a link.
    entry.link = true;
    return entry;
  }
  entry.link = S_ISLNK(st.st_mode);
  entry.directory = S_ISDIR(st.st_mode);
  entry.readOnly = (st.st_mode & S_IWUSR) == 0;
  return entry;
}

class PosixFiles : public Files {
 public:
  char separator() const override { return '/'; }

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

  FileStatus setNormalAttributes(const std::string& path) override {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return lastStatus();
    if (S_ISLNK(st.st_mode)) return statusOf(ELOOP);
    const mode_t mode = (st.st_mode & 07777 & ~(S_ISUID | S_ISGID | S_ISVTX)) | S_IRUSR | S_IWUSR;
    return ::fchmodat(AT_FDCWD, path.c_str(), mode, AT_SYMLINK_NOFOLLOW) == 0 ? FileStatus{} : lastStatus();
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

  std::optional<std::vector<DirEntry>> listFolder(const std::string& folder) override {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid()) return std::nullopt;
    std::unique_ptr<DIR, DirCloser> dir(::fdopendir(fd.get()));
    if (!dir) return std::nullopt;
    fd.release();  // the stream owns it now
    std::vector<DirEntry> entries;
    while (const dirent* item = ::readdir(dir.get())) {
      if (std::strcmp(item->d_name, ".") == 0 || std::strcmp(item->d_name, "..") == 0) continue;
      entries.push_back(entryOf(::dirfd(dir.get()), item->d_name));
    }
    return entries;
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
