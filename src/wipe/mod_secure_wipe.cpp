#include "wipe/mod_secure_wipe.h"
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>
#include "wipe/left_behind.h"
#include "wipe/shred_name.h"

namespace vellox {

namespace {

constexpr std::uint64_t kBlock = 1024;
constexpr std::uint8_t kPattern = 0x01;
// Large writes keep the disk streaming; the bytes are those of 1024-byte blocks.
constexpr std::uint64_t kChunk = 1024 * 1024;
// Each rename writes the folder's entry anew.
constexpr int kRenames = 3;

FileStatus forceDelete(Files& files, const std::string& path) {
  auto status = files.deleteFile(path);
  if (status.code == FileErrc::AccessDenied) {
    files.setNormalAttributes(path);
    status = files.deleteFile(path);
  }
  return status;
}

// Only this name goes: neither the data nor the attributes that the other names share are touched.
Shred sharedData(Files& files, const std::string& path) {
  return {ShredEnd::SharedData, kSharedDataReason, files.deleteOneName(path).ok()};
}

// The passes over one file and its named streams, which either all reach the device or leave
// the file in place; then its name goes, and the file.
class Overwrite {
 public:
  Overwrite(Files& files, const std::string& path, const FileFacts& facts, ShredControl* control)
      : files_(files), path_(path), facts_(facts), control_(control) {}

  Shred run(int passes) {
    std::vector<std::string> streams;
    if (const FileStatus listed = files_.namedStreams(path_, streams); !listed.ok())
      return leaveInPlace("its data streams could not be listed: " + causeOf(listed));
    for (int pass = 1; pass <= passes; ++pass) {
      if (auto stop = passOver(path_, true)) return *stop;
      for (const auto& stream : streams) {
        if (auto stop = passOver(stream, false)) return *stop;
      }
    }
    return remove();
  }

 private:
  // One pass over the file or one of its streams; what the wipe ends with when it cannot go on.
  std::optional<Shred> passOver(const std::string& target, bool isFile) {
    FileStatus status;
    auto file = open(target, status);
    if (!file) return leaveInPlace(causeOf(status));
    const std::uint32_t links = file->linkCount();
    if (links != 1) {
      file.reset();
      restoreAttributes();
      if (links == 0) return Shred{ShredEnd::NotWiped, "its number of names could not be read"};
      return sharedData(files_, path_);
    }
    if (const FileStatus failure = overwrite(*file); !failure.ok()) {
      return leaveInPlace(isFile ? causeOf(failure) : "a data stream could not be overwritten: " + causeOf(failure));
    }
    if (cancelled_) return cancelled();
    return std::nullopt;
  }

  // The name goes before the file: renamed in its folder, the entry no longer holds it.
  Shred remove() {
    current_ = renameAway(files_, path_, kRenames);
    // A refused rename leaves the file under the name it has; it is deleted under that one.
    const FileStatus deleted = forceDelete(files_, current_);
    if (deleted.ok() || deleted.code == FileErrc::NotFound) return {ShredEnd::Wiped, "", true};
    // What stays is put back under the name the user knows, or the message names where it is.
    const std::string name = path_.substr(path_.find_last_of(files_.separator()) + 1);
    if (current_ != path_ && files_.renameInFolder(current_, name).ok()) current_ = path_;
    std::string reason = "it was overwritten but could not be deleted: " + causeOf(deleted);
    if (current_ != path_) reason += "; it is now named " + shownPath(current_);
    return leaveInPlace(std::move(reason));
  }

  // A read-only file is made writable once; its attributes go back if the wipe then fails.
  std::unique_ptr<WritableFile> open(const std::string& target, FileStatus& status) {
    auto file = files_.openForWrite(target, status);
    if (file || status.code != FileErrc::AccessDenied || !facts_.readOnly || attributesChanged_) return file;
    if (status = files_.setNormalAttributes(path_); !status.ok()) return nullptr;
    attributesChanged_ = true;
    return files_.openForWrite(target, status);
  }

  // One pass: floor(L / 1024) + 1 blocks of the pattern from offset 0, L measured now, forced
  // to the device. The present L bytes go first, in place, and are flushed before the file
  // grows: a small file's bytes may live in its file record, which growing moves out of and
  // leaves behind. Why not, when some of it did not reach the device.
  FileStatus overwrite(WritableFile& file) {
    std::uint64_t length = 0;
    if (FileStatus status = file.length(length); !status.ok()) return status;
    const std::uint64_t end = passLength(length);
    grow(end);
    if (length > 0) {
      if (FileStatus status = write(file, 0, length); !status.ok()) return status;
      if (FileStatus status = file.flush(); !status.ok() || cancelled_) return status;
    }
    if (FileStatus status = write(file, length, end); !status.ok()) return status;
    return file.flush();
  }

  // The pattern over [from, to); stops early, its writes still to be flushed, when cancelled.
  FileStatus write(WritableFile& file, std::uint64_t from, std::uint64_t to) {
    for (std::uint64_t offset = from; offset < to;) {
      const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(pattern_.size(), to - offset));
      if (FileStatus status = file.writeAt(offset, pattern_.data(), size); !status.ok()) return status;
      offset += size;
      if (control_ && control_->written) control_->written(size);
      if (control_ && control_->stopped()) {
        cancelled_ = true;
        break;
      }
    }
    return {};
  }

  // The pattern is as long as the longest write: the pass's end, at most one chunk.
  void grow(std::uint64_t end) {
    const auto wanted = static_cast<std::size_t>(std::min(kChunk, end));
    if (pattern_.size() < wanted) pattern_.assign(wanted, kPattern);
  }

  Shred cancelled() {
    restoreAttributes();
    return {ShredEnd::Cancelled, kCancelledReason};
  }

  Shred leaveInPlace(std::string reason) {
    restoreAttributes();
    return {ShredEnd::NotWiped, std::move(reason)};
  }

  void restoreAttributes() {
    if (attributesChanged_) files_.setAttributes(current_, facts_.attributes);
    attributesChanged_ = false;
  }

  Files& files_;
  const std::string& path_;
  std::string current_ = path_;  // the name the file has now
  const FileFacts& facts_;
  ShredControl* control_;
  std::vector<std::uint8_t> pattern_;
  bool attributesChanged_ = false;
  bool cancelled_ = false;
};

}  // namespace

Shred shredFile(Files& files, const std::string& path, int passes, ShredControl* control) {
  if (control && control->stopped()) return {ShredEnd::Cancelled, kCancelledReason};
  FileFacts facts;
  const FileStatus found = files.fileFacts(path, facts);
  // A file that vanished is not recreated just to be deleted again.
  if (found.code == FileErrc::NotFound) return {ShredEnd::Missing, causeOf(found)};
  if (!found.ok()) return {ShredEnd::NotWiped, causeOf(found)};
  if (facts.link) {
    if (!facts.surrogate) return {ShredEnd::NotWiped, kDataLinkReason};
    const FileStatus removed = files.removeLink(path);
    if (removed.ok()) return {ShredEnd::LinkRemoved, "it is a link; the link was removed", true};
    return {ShredEnd::NotWiped, "the link could not be removed: " + causeOf(removed)};
  }
  if (facts.directory) return {ShredEnd::NotWiped, "it is a folder"};
  if (facts.links > 1) return sharedData(files, path);
  if (passes < 1) {
    forceDeleteFile(files, path);
    return {ShredEnd::NotWiped, "no pass was made"};
  }
  Shred shred = Overwrite(files, path, facts, control).run(passes);
  shred.relocating = shred && facts.relocating;
  return shred;
}

std::uint64_t passLength(std::uint64_t length) { return (length / kBlock + 1) * kBlock; }

std::uint64_t bytesToWrite(std::uint64_t length, int passes) {
  std::uint64_t total = 0;
  // Each pass measures the file anew, so it runs one block past the pass before it.
  for (int pass = 1; pass <= passes; ++pass, length = passLength(length)) total += passLength(length);
  return total;
}

bool forceDeleteFile(Files& files, const std::string& path) {
  const auto status = forceDelete(files, path);
  return status.ok() || status.code == FileErrc::NotFound;
}

}  // namespace vellox
