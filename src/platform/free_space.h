#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "platform/files.h"

namespace vellox {

// A volume the user can write to, as the drive list shows it.
struct Drive {
  std::string root;  // "D:\" (or "/mnt/d/" on POSIX): the folder the fill folder may go in
  std::string label;
  std::string fileSystem;  // "NTFS", "ReFS", "FAT32", "exFAT"
  std::uint64_t freeBytes = 0;
  std::uint64_t totalBytes = 0;
  bool removable = false;
};

// Why a drive named by the user cannot be filled.
enum class DriveProblem { None, Missing, ReadOnly, NotLocal, UnknownFileSystem };

struct DriveLookup {
  DriveProblem problem = DriveProblem::Missing;
  Drive drive;  // set when problem is None
};

enum class DriveMedia { Unknown, Rotating, SolidState };

// What decides how far overwriting free space reaches on this volume.
struct DriveNature {
  DriveMedia media = DriveMedia::Unknown;  // from the seek penalty the device reports
  bool trim = false;                       // the device takes TRIM: freed cells are remapped
  // Restore points keep old data on this volume; unknown when the system does not say.
  std::optional<bool> shadowCopies = false;
  std::uint32_t clusterBytes = 4096;
  std::uint32_t sectorBytes = 512;
};

// Large blocks go past the system's cache; the few hundred bytes of a tiny file cannot
// (unbuffered writes are whole sectors), so those are written through it to the disk.
enum class FillMode { Unbuffered, WriteThrough };

enum class FillOutcome { Ok, Full, Failed };

struct FillWrite {
  FillOutcome outcome = FillOutcome::Ok;
  std::size_t written = 0;  // bytes that reached the file, also when it became full
  FileStatus status;        // the platform's error when not Ok
};

// One file that takes free space. It is deleted when closed, by the program or by the
// system when the program ends in any way; destroying the object closes it.
class FillFile {
 public:
  virtual ~FillFile() = default;
  // Appends at the end. Unbuffered: `data` and `size` are multiples of the sector size.
  virtual FillWrite append(const void* data, std::size_t size) = 0;
  // Forces what was written to the device. A file deleted on close may otherwise take blocks
  // still in a cache with it, and the free space they stand for is never overwritten.
  virtual FileStatus flush() = 0;
};

// The folder the fill files go in, held for as long as the fill runs. Destroying it removes
// the folder once it is empty.
class FillFolder {
 public:
  virtual ~FillFolder() = default;
  virtual const std::string& path() const = 0;  // ends with the separator
};

class FreeSpace {
 public:
  virtual ~FreeSpace() = default;
  // Fixed and removable volumes with a file system we fill (NTFS, ReFS, FAT32, exFAT) that
  // are not read-only, in drive-letter order.
  virtual std::vector<Drive> writableDrives() = 0;
  // The drive that `name` ("D:", "d:\", "D") stands for.
  virtual DriveLookup lookUpDrive(const std::string& name) = 0;
  virtual DriveNature nature(const Drive& drive) = 0;
  // What the volume holding `drive` has free for this user now; nothing when unreadable.
  virtual std::optional<std::uint64_t> freeBytes(const Drive& drive) = 0;
  // The root of the volume that holds `path`, in the form of Drive::root; empty when unknown.
  virtual std::string volumeOf(const std::string& path) = 0;
  // Creates `path` (ending with the separator) if missing and holds it.
  virtual std::unique_ptr<FillFolder> openFillFolder(const std::string& path, FileStatus& status) = 0;
  // Creates a new file that no other name has; it is deleted on close.
  virtual std::unique_ptr<FillFile> createFillFile(const std::string& path, FillMode mode,
                                                   FileStatus& status) = 0;
};

}  // namespace vellox
