#include "platform/posix/posix_io.h"
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <optional>

namespace vellox::posix {

FileStatus statusOf(int error) {
  FileErrc code = FileErrc::Other;
  if (error == ENOENT || error == ENOTDIR) code = FileErrc::NotFound;
  if (error == EACCES || error == EPERM || error == EROFS) code = FileErrc::AccessDenied;
  if (error == EBUSY || error == ETXTBSY) code = FileErrc::InUse;
  return {code, error, std::strerror(error)};
}

FileStatus lastStatus() { return statusOf(errno); }

namespace {

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
  entry.id = static_cast<std::uint64_t>(st.st_ino);
  return entry;
}

}  // namespace

std::unique_ptr<WritableFile> makeWritable(Descriptor fd) { return std::make_unique<PosixWritableFile>(std::move(fd)); }

FolderListing listFolder(Descriptor fd) {
  FolderListing listing;
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

}  // namespace vellox::posix
