#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vellox {

enum class FileErrc { Ok, NotFound, AccessDenied, Other };

struct FileStatus {
  FileErrc code = FileErrc::Ok;
  long native = 0;          // the platform's own error number
  std::string description;  // the platform's text for it
  bool ok() const { return code == FileErrc::Ok; }
};

struct DirEntry {
  std::string name;
  bool directory = false;
  bool link = false;  // symbolic link, junction or other reparse point
  bool readOnly = false;
  bool hidden = false;
  bool system = false;
};

// A file opened for writing raw bytes; closed when destroyed.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  virtual std::optional<std::uint64_t> length() = 0;
  virtual bool writeAt(std::uint64_t offset, const void* data, std::size_t size) = 0;
  // Forces what was written to the device.
  virtual bool flush() = 0;
};

// Paths are UTF-8 full paths joined with separator().
class Files {
 public:
  virtual ~Files() = default;
  virtual char separator() const = 0;
  // Opens an existing file, or creates it empty, for writing. Never through a link.
  virtual std::unique_ptr<WritableFile> openForWrite(const std::string& path, FileStatus& status) = 0;
  virtual FileStatus deleteFile(const std::string& path) = 0;
  // Clears read-only, hidden, system and archive.
  virtual FileStatus setNormalAttributes(const std::string& path) = 0;
  virtual FileStatus fileLength(const std::string& path, std::uint64_t& length) = 0;
  // Reads at most `maxBytes` from the start of the file.
  virtual FileStatus readFile(const std::string& path, std::string& contents, std::size_t maxBytes) = 0;
  // The entries of one folder in the platform's order, without "." and "..";
  // nothing when the folder cannot be listed.
  virtual std::optional<std::vector<DirEntry>> listFolder(const std::string& folder) = 0;
  // The user's temporary folder ending with the separator; empty when there is none.
  virtual std::string tempPath() = 0;
  // Creates an empty file under a name no other file in `folder` has (the folder
  // ends with the separator) and returns its path; empty when none could be made.
  virtual std::string createUniqueFile(const std::string& folder, const std::string& prefix) = 0;
};

}  // namespace vellox
