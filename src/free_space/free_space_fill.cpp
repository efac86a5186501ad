#include "free_space/free_space_fill.h"
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>
#include "free_space/fill_names.h"

namespace vellox {

namespace {

// Unbuffered writes need a buffer aligned to the sector; a page covers every sector size.
constexpr std::size_t kAlignment = 4096;

struct AlignedFree {
  void operator()(std::byte* p) const { ::operator delete[](p, std::align_val_t{kAlignment}); }
};
using AlignedBuffer = std::unique_ptr<std::byte[], AlignedFree>;

AlignedBuffer alignedZeros(std::size_t size) {
  AlignedBuffer buffer(static_cast<std::byte*>(::operator new[](size, std::align_val_t{kAlignment})));
  std::memset(buffer.get(), 0, size);
  return buffer;
}

void fillRandom(std::byte* data, std::size_t size, std::uint64_t& state) {
  for (std::size_t i = 0; i + 8 <= size; i += 8) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    std::memcpy(data + i, &state, 8);
  }
}

std::size_t halved(std::size_t size, std::size_t smallest) {
  return std::max(smallest, size / 2 / smallest * smallest);
}

class FillRun {
 public:
  FillRun(FreeSpace& space, const Drive& drive, const std::string& folder, const FillSettings& settings,
          const FillHooks& hooks)
      : space_(space), drive_(drive), folderPath_(folder), settings_(settings), hooks_(hooks) {}

  FillReport run() {
    start_ = hooks_.now();
    const auto free = space_.freeBytes(drive_);
    if (!free) return failedAtOnce(FileStatus{FileErrc::Other, 0, "The free space of the drive cannot be read."});
    report_.freeAtStart = freeSeen_ = *free;
    FileStatus status;
    folder_ = space_.openFillFolder(folderPath_, status);
    if (!folder_) return failedAtOnce(status);
    buffer_ = alignedZeros(std::max(settings_.blockBytes, settings_.tinyBytes));
    fillLarge();
    fillLastPart();
    fillSmallFiles();
    fillTinyFiles();
    release();
    report_.end = failed_ ? FillEnd::Failed : cancelled_ ? FillEnd::Cancelled : FillEnd::Done;
    return report_;
  }

 private:
  FillReport failedAtOnce(const FileStatus& status) {
    report_.error = status;
    report_.elapsed = hooks_.now() - start_;
    return report_;
  }

  bool stopped() {
    if (!cancelled_ && hooks_.cancelled()) cancelled_ = true;
    return cancelled_ || failed_;
  }

  void fail(const FileStatus& status) {
    failed_ = true;
    report_.error = status;
  }

  std::unique_ptr<FillFile> newFile(FillMode mode, FileStatus& status) {
    return space_.createFillFile(folderPath_ + fillFileName(++named_), mode, status);
  }

  // What is free as far as this fill knows: read again now and then, since others write too.
  std::uint64_t freeLeft(bool readNow) {
    if (readNow || report_.written - writtenAtSeen_ >= settings_.recheckBytes) {
      if (const auto free = space_.freeBytes(drive_)) {
        freeSeen_ = *free;
        writtenAtSeen_ = report_.written;
      }
    }
    const std::uint64_t since = report_.written - writtenAtSeen_;
    return freeSeen_ > since ? freeSeen_ - since : 0;
  }

  // One block to the current file; a new file when there is none or it reached its limit.
  FillOutcome writeBlock(std::size_t size) {
    if (!current_ || (settings_.maxFileBytes && currentSize_ + size > settings_.maxFileBytes)) {
      FileStatus status;
      auto file = newFile(FillMode::Unbuffered, status);
      currentSize_ = 0;
      current_ = file.get();
      if (!file) {
        // The first file must open; a later one fails because the volume is full.
        if (files_.empty()) fail(status);
        return files_.empty() ? FillOutcome::Failed : FillOutcome::Full;
      }
      files_.push_back(std::move(file));
      ++report_.files;
    }
    if (settings_.pattern == FillPattern::Random) fillRandom(buffer_.get(), size, randomState_);
    FillWrite write = current_->append(buffer_.get(), size);
    report_.written += write.written;
    currentSize_ += write.written;
    // Some file systems say "full" with another error (a FUSE one answers "access denied"):
    // what the volume has left tells.
    if (write.outcome == FillOutcome::Failed) {
      const auto free = space_.freeBytes(drive_);
      if (free && *free < size)
        write.outcome = FillOutcome::Full;
      else
        fail(write.status);
    }
    // A partial write leaves the end off the sector grid that unbuffered writes need.
    if (write.outcome == FillOutcome::Full && write.written % settings_.smallBytes != 0) current_ = nullptr;
    tellProgress(false);
    return write.outcome;
  }

  void fillLarge() {
    phase_ = FillPhase::Large;
    tellProgress(true);
    while (!stopped()) {
      if (freeLeft(false) <= settings_.marginBytes && freeLeft(true) <= settings_.marginBytes) return;
      if (writeBlock(settings_.blockBytes) != FillOutcome::Ok) return;
    }
  }

  void fillLastPart() {
    phase_ = FillPhase::LastPart;
    tellProgress(true);
    std::size_t size = halved(settings_.blockBytes, settings_.smallBytes);
    while (!stopped()) {
      const FillOutcome outcome = writeBlock(size);
      if (outcome == FillOutcome::Failed) return;
      if (outcome == FillOutcome::Full) {
        if (size == settings_.smallBytes) {
          fullSince_ = hooks_.now();
          return;
        }
        size = halved(size, settings_.smallBytes);
      }
    }
  }

  // Clusters a file that could no longer grow did not get: new files try them.
  void fillSmallFiles() {
    phase_ = FillPhase::SmallFiles;
    tellProgress(true);
    current_ = nullptr;
    while (!stopped()) {
      if (writeBlock(settings_.smallBytes) == FillOutcome::Ok) continue;
      if (!current_ || currentSize_ == 0) return;
      current_ = nullptr;
    }
  }

  void fillTinyFiles() {
    if (!settings_.tinyFiles) return;
    phase_ = FillPhase::TinyFiles;
    tellProgress(true);
    while (report_.tinyFiles < settings_.tinyLimit && !stopped()) {
      FileStatus status;
      auto file = newFile(FillMode::WriteThrough, status);
      if (!file) return;
      // The record is taken even when the bytes did not fit: the file is kept either way.
      report_.written += file->append(buffer_.get(), settings_.tinyBytes).written;
      files_.push_back(std::move(file));
      ++report_.tinyFiles;
      tellProgress(false);
    }
  }

  void release() {
    phase_ = FillPhase::Releasing;
    tellProgress(true);
    // What is still in a cache would go with the files, unwritten. A cancelled fill only
    // gives the space back, at once.
    for (auto& file : files_) {
      if (stopped()) break;
      if (const FileStatus flushed = file->flush(); !flushed.ok()) fail(flushed);
    }
    files_.clear();
    folder_.reset();
    const auto released = hooks_.now();
    if (fullSince_) report_.fullFor = released - *fullSince_;
    report_.freeAfter = space_.freeBytes(drive_);
    report_.elapsed = hooks_.now() - start_;
  }

  void tellProgress(bool always) {
    if (!hooks_.progress) return;
    const auto now = hooks_.now();
    if (!always && lastProgress_ && now - *lastProgress_ < kProgressInterval) return;
    lastProgress_ = now;
    hooks_.progress(fillProgress(phase_, report_.written, report_.freeAtStart, now - start_));
  }

  FreeSpace& space_;
  const Drive& drive_;
  const std::string folderPath_;
  const FillSettings& settings_;
  const FillHooks& hooks_;
  FillReport report_;
  std::unique_ptr<FillFolder> folder_;
  // Every fill file stays open to the end: closing one gives its space back.
  std::vector<std::unique_ptr<FillFile>> files_;
  FillFile* current_ = nullptr;
  std::uint64_t currentSize_ = 0;
  std::size_t named_ = 0;
  AlignedBuffer buffer_;
  std::uint64_t randomState_ = 0x9E3779B97F4A7C15ull;
  std::uint64_t freeSeen_ = 0;
  std::uint64_t writtenAtSeen_ = 0;
  FillPhase phase_ = FillPhase::Large;
  std::chrono::steady_clock::time_point start_;
  std::optional<std::chrono::steady_clock::time_point> fullSince_;
  std::optional<std::chrono::steady_clock::time_point> lastProgress_;
  bool cancelled_ = false;
  bool failed_ = false;
};

}  // namespace

FillReport fillFreeSpace(FreeSpace& space, const Drive& drive, const std::string& folder,
                         const FillSettings& settings, const FillHooks& hooks) {
  return FillRun(space, drive, folder, settings, hooks).run();
}

std::uint64_t probeBytesFor(const Drive& drive) {
  return std::min<std::uint64_t>(64ull * 1024 * 1024, drive.freeBytes / 4);
}

std::optional<double> probeWriteSpeed(FreeSpace& space, const std::string& folder, const FillSettings& settings,
                                      std::uint64_t bytes, const FillClock& now) {
  FileStatus status;
  const auto held = space.openFillFolder(folder, status);
  if (!held) return std::nullopt;
  auto file = space.createFillFile(folder + fillFileName(0), FillMode::Unbuffered, status);
  if (!file) return std::nullopt;
  const AlignedBuffer buffer = alignedZeros(settings.blockBytes);
  const auto start = now();
  std::uint64_t written = 0;
  while (written < bytes) {
    const FillWrite write = file->append(buffer.get(), settings.blockBytes);
    written += write.written;
    if (write.outcome != FillOutcome::Ok) break;
  }
  const double seconds = std::chrono::duration<double>(now() - start).count();
  if (written == 0 || seconds <= 0) return std::nullopt;
  return static_cast<double>(written) / seconds;
}

}  // namespace vellox
