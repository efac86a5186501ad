#include "wipe/mod_secure_wipe.h"
#include <algorithm>
#include <memory>
#include <vector>
#include "wipe/left_behind.h"

namespace vellox {

namespace {

constexpr std::uint64_t kBlock = 1024;
constexpr std::uint8_t kPattern = 0x01;
// Large writes keep the disk streaming; the bytes are those of 1024-byte blocks.
constexpr std::uint64_t kChunk = 1024 * 1024;

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

// The passes over one file, which either all reach the device or leave the file in place.
class Overwrite {
 public:
  Overwrite(Files& files, const std::string& path, const FileFacts& facts, ShredControl* control)
      : files_(files), path_(path), facts_(facts), control_(control) {}

  Shred run(int passes) {
    for (int pass = 1; pass <= passes; ++pass) {
      FileStatus status;
      auto file = open(status);
      if (!file) return leaveInPlace(causeOf(status));
      const std::uint32_t links = file->linkCount();
      if (links != 1) {
        file.reset();
        restoreAttributes();
        if (links == 0) return {ShredEnd::NotWiped, "its number of names could not be read"};
        return sharedData(files_, path_);
      }
      if (const FileStatus failure = overwrite(*file); !failure.ok()) return leaveInPlace(causeOf(failure));
      if (cancelled_) return cancelled();
    }
    const FileStatus deleted = forceDelete(files_, path_);
    if (deleted.ok() || deleted.code == FileErrc::NotFound) return {ShredEnd::Wiped, "", true};
    return leaveInPlace("it was overwritten but could not be deleted: " + causeOf(deleted));
  }

 private:
  // A read-only file is made writable once; its attributes go back if the wipe then fails.
  std::unique_ptr<WritableFile> open(FileStatus& status) {
    auto file = files_.openForWrite(path_, status);
    if (file || status.code != FileErrc::AccessDenied || !facts_.readOnly || attributesChanged_) return file;
    if (status = files_.setNormalAttributes(path_); !status.ok()) return nullptr;
    attributesChanged_ = true;
    return files_.openForWrite(path_, status);
  }

  // One pass: floor(L / 1024) + 1 blocks of the pattern from offset 0, L measured now,
  // then forced to the device. Why not, when some of it did not reach the device.
  FileStatus overwrite(WritableFile& file) {
    std::uint64_t length = 0;
    if (FileStatus status = file.length(length); !status.ok()) return status;
    const std::uint64_t end = (length / kBlock + 1) * kBlock;
    grow(end);
    for (std::uint64_t offset = 0; offset < end;) {
      const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(pattern_.size(), end - offset));
      if (FileStatus status = file.writeAt(offset, pattern_.data(), size); !status.ok()) return status;
      offset += size;
      if (control_ && control_->written) control_->written(size);
      // What was written so far still goes to the device before the file is left.
      if (control_ && control_->stopped()) {
        cancelled_ = true;
        break;
      }
    }
    return file.flush();
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
    if (attributesChanged_) files_.setAttributes(path_, facts_.attributes);
    attributesChanged_ = false;
  }

  Files& files_;
  const std::string& path_;
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
  return Overwrite(files, path, facts, control).run(passes);
}

std::vector<Shred> shredFiles(Files& files, const std::vector<std::string>& paths, std::size_t first, int passes,
                              ShredControl& control) {
  std::vector<Shred> results;
  for (std::size_t i = first; i < paths.size(); ++i) {
    if (control.started) control.started(i);
    results.push_back(shredFile(files, paths[i], passes, &control));
    if (control.finished) control.finished(i, results.back());
  }
  return results;
}

bool forceDeleteFile(Files& files, const std::string& path) {
  const auto status = forceDelete(files, path);
  return status.ok() || status.code == FileErrc::NotFound;
}

}  // namespace vellox
