#include "wipe/mod_secure_wipe.h"
#include <algorithm>
#include <vector>

namespace vellox {

namespace {

constexpr std::uint64_t kBlock = 1024;
constexpr std::uint8_t kPattern = 0x01;
// Large writes keep the disk streaming; the bytes are those of 1024-byte blocks.
constexpr std::uint64_t kChunk = 1024 * 1024;

std::unique_ptr<WritableFile> openForOverwrite(Files& files, const std::string& path) {
  FileStatus status;
  auto file = files.openForWrite(path, status);
  if (!file && status.code == FileErrc::AccessDenied) {
    // A read-only file is still overwritten, not merely deleted.
    files.setNormalAttributes(path);
    file = files.openForWrite(path, status);
  }
  return file;
}

// One pass: floor(L / 1024) + 1 blocks of the pattern from offset 0, L measured
// now, then forced to the device. True when all of it reached the file.
bool overwritePass(Files& files, const std::string& path, const std::vector<std::uint8_t>& pattern) {
  auto file = openForOverwrite(files, path);
  if (!file) return false;
  auto length = file->length();
  if (!length) return false;
  const std::uint64_t end = (*length / kBlock + 1) * kBlock;
  bool complete = true;
  for (std::uint64_t offset = 0; offset < end;) {
    const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(pattern.size(), end - offset));
    complete = file->writeAt(offset, pattern.data(), size) && complete;
    offset += size;
  }
  return file->flush() && complete;
}

}  // namespace

bool shredFile(Files& files, const std::string& path, int passes) {
  if (passes >= 1) {
    std::uint64_t length = 0;
    // A file that vanished is not recreated just to be deleted again.
    if (files.fileLength(path, length).code == FileErrc::NotFound) return false;
    const std::uint64_t largestPass = (length / kBlock + static_cast<std::uint64_t>(passes)) * kBlock;
    const std::vector<std::uint8_t> pattern(static_cast<std::size_t>(std::min(kChunk, largestPass)), kPattern);
    bool overwritten = true;
    for (int pass = 1; pass <= passes; ++pass) overwritten = overwritePass(files, path, pattern) && overwritten;
    const bool gone = forceDeleteFile(files, path);
    return overwritten && gone;
  }
  forceDeleteFile(files, path);
  return false;
}

bool forceDeleteFile(Files& files, const std::string& path) {
  auto status = files.deleteFile(path);
  if (status.code == FileErrc::AccessDenied) {
    files.setNormalAttributes(path);
    status = files.deleteFile(path);
  }
  return status.ok() || status.code == FileErrc::NotFound;
}

}  // namespace vellox
