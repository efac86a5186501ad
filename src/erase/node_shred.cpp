#include "erase/node_shred.h"
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>
#include "wipe/left_behind.h"
#include "wipe/shred_name.h"

namespace vellox {

namespace {

constexpr std::uint8_t kPattern = 0x01;
// Large writes keep the disk streaming; the bytes are those of 1024-byte blocks.
constexpr std::uint64_t kChunk = 1024 * 1024;
// Each rename writes the folder's entry anew.
constexpr int kRenames = 3;

// The passes over one file and its named streams, which either all reach the device or leave
// the file in place; then its name goes, and the file. Every step goes through the one node.
class Overwrite {
 public:
  Overwrite(FileNode& node, std::uint32_t names, ShredControl* control)
      : node_(node), facts_(node.facts()), names_(names), control_(control) {}

  Shred run(int passes) {
    std::vector<std::string> streams;
    if (const FileStatus listed = node_.streams(streams); !listed.ok())
      return leaveInPlace("its data streams could not be listed: " + causeOf(listed));
    for (int pass = 1; pass <= passes; ++pass) {
      if (auto stop = passOver(nullptr)) return *stop;
      for (const auto& stream : streams) {
        if (auto stop = passOver(&stream)) return *stop;
      }
    }
    return remove();
  }

 private:
  // One pass over the file or one of its streams; what the wipe ends with when it cannot go on.
  std::optional<Shred> passOver(const std::string* stream) {
    FileStatus status;
    auto file = open(stream, status);
    if (!file) return leaveInPlace(causeOf(status));
    const std::uint32_t links = file->linkCount();
    if (links != names_) {
      file.reset();
      restoreAttributes();
      if (links == 0) return Shred{ShredEnd::NotWiped, "its number of names could not be read"};
      return Shred{ShredEnd::SharedData, kSharedDataReason, names_ == 1 && removeName(node_).ok()};
    }
    if (const FileStatus failure = overwrite(*file); !failure.ok()) {
      return leaveInPlace(stream ? "a data stream could not be overwritten: " + causeOf(failure) : causeOf(failure));
    }
    if (cancelled_) return cancelled();
    return std::nullopt;
  }

  // The name goes before the file: renamed in its folder, the entry no longer holds it.
  Shred remove() {
    const std::string original = node_.path().substr(node_.path().find_last_of("\\/") + 1);
    const std::string now = renameAway(node_, kRenames);
    const FileStatus deleted = removeName(node_);
    if (deleted.ok()) return {ShredEnd::Wiped, "", true};
    // What stays is put back under the name the user knows, or the message names where it is.
    std::string reason = "it was overwritten but could not be deleted: " + causeOf(deleted);
    if (now != original && !node_.rename(original).ok()) reason += "; it is now named " + now;
    return leaveInPlace(std::move(reason));
  }

  // A read-only file is made writable once; its attributes go back if the wipe then fails.
  std::unique_ptr<WritableFile> open(const std::string* stream, FileStatus& status) {
    auto file = stream ? node_.openStream(*stream, status) : node_.openForWriting(status);
    if (file || status.code != FileErrc::AccessDenied || !facts_.readOnly || attributesChanged_) return file;
    if (status = node_.makeWritable(); !status.ok()) return nullptr;
    attributesChanged_ = true;
    return stream ? node_.openStream(*stream, status) : node_.openForWriting(status);
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
    if (attributesChanged_) node_.setAttributes(facts_.attributes);
    attributesChanged_ = false;
  }

  FileNode& node_;
  const NodeFacts& facts_;
  std::uint32_t names_;
  ShredControl* control_;
  std::vector<std::uint8_t> pattern_;
  bool attributesChanged_ = false;
  bool cancelled_ = false;
};

}  // namespace

Shred shredNode(FileNode& node, int passes, std::uint32_t names, ShredControl* control) {
  if (control && control->stopped()) return {ShredEnd::Cancelled, kCancelledReason};
  if (auto other = notAFile(node)) return *other;
  const NodeFacts& facts = node.facts();
  if (facts.links > names) return {ShredEnd::SharedData, kSharedDataReason, names == 1 && removeName(node).ok()};
  if (passes < 1) {
    const FileStatus removed = removeName(node);
    return {removed.ok() ? ShredEnd::Wiped : ShredEnd::NotWiped, removed.ok() ? "" : causeOf(removed), removed.ok()};
  }
  Shred shred = Overwrite(node, names, control).run(passes);
  shred.relocating = shred && facts.relocating;
  return shred;
}

FileStatus removeName(FileNode& node) {
  FileStatus status = node.remove();
  // The attributes of a file with other names are theirs too: they are left as they are.
  if (status.code == FileErrc::AccessDenied && node.facts().kind == NodeKind::File && node.facts().links <= 1) {
    node.makeWritable();
    status = node.remove();
  }
  return status;
}

std::optional<Shred> notAFile(FileNode& node) {
  switch (node.facts().kind) {
    case NodeKind::File:
      return std::nullopt;
    case NodeKind::Link: {
      const FileStatus removed = node.remove();
      if (removed.ok()) return Shred{ShredEnd::LinkRemoved, "it is a link; the link was removed", true};
      return Shred{ShredEnd::NotWiped, "the link could not be removed: " + causeOf(removed)};
    }
    case NodeKind::DataLink:
      return Shred{ShredEnd::NotWiped, kDataLinkReason};
    case NodeKind::Folder:
      return Shred{ShredEnd::NotWiped, "it is a folder"};
    case NodeKind::Other:
      break;
  }
  return Shred{ShredEnd::NotWiped, "it is not a file"};
}

}  // namespace vellox
