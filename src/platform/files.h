#pragma once
#include <compare>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vellox {

// InUse: another program holds the file open without sharing it, or has it locked.
enum class FileErrc { Ok, NotFound, AccessDenied, InUse, Other };

struct FileStatus {
  FileErrc code = FileErrc::Ok;
  long native = 0;          // the platform's own error number
  std::string description;  // the platform's text for it
  bool ok() const { return code == FileErrc::Ok; }
};

struct DirEntry {
  std::string name;
  bool directory = false;
  bool link = false;  // symbolic link, junction or other reparse point: never followed or opened
  // Of links: one that only names another place (symbolic link, junction, mount point), so
  // removing it removes nothing else. Other reparse points hold data (placeholders, deduplication).
  bool surrogate = false;
  bool readOnly = false;
  bool hidden = false;
  bool system = false;
  // The file system's id of what was listed (the low half where ids are wider); 0 when unknown.
  std::uint64_t id = 0;
};

// Which file a name stands for: two names with one identity share their data.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t high = 0;
  std::uint64_t low = 0;
  auto operator<=>(const FileIdentity&) const = default;
};

// What a name stands for, read from the name itself, never from what a link leads to.
struct FileFacts {
  std::uint32_t links = 1;       // names that share the file's data
  std::uint32_t attributes = 0;  // the platform's own attribute bits, for setAttributes to put back
  bool readOnly = false;
  bool directory = false;
  bool link = false;
  bool surrogate = false;  // as in DirEntry
  // Compressed, sparse or encrypted: the file system may put new writes in new clusters,
  // so an overwrite need not reach the old ones.
  bool relocating = false;
  FileIdentity identity;
};

// One folder's entries in the platform's order, without "." and "..".
struct FolderListing {
  bool opened = false;
  std::vector<DirEntry> entries;
  FileStatus status;  // why the folder could not be opened, or why its listing stopped early
  bool complete() const { return opened && status.ok(); }
};

class FileNode;

// A file opened for writing raw bytes; closed when destroyed.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  virtual FileStatus length(std::uint64_t& length) = 0;
  virtual FileStatus writeAt(std::uint64_t offset, const void* data, std::size_t size) = 0;
  // Forces what was written to the device.
  virtual FileStatus flush() = 0;
  // The names the open file has; more than one means others share its data. 0 when unknown.
  virtual std::uint32_t linkCount() = 0;
};

// Paths are UTF-8 full paths joined with separator().
class Files {
 public:
  virtual ~Files() = default;
  virtual char separator() const = 0;
  // The absolute path that `text` names, in the platform's literal form: names appended to it as
  // listed are taken as they are, never reinterpreted. Nothing for text that is not an absolute
  // path (relative text; on Windows also "C:", "C:folder" and "\folder").
  virtual std::optional<std::string> literalPath(const std::string& text) = 0;
  // Opens `literalPath` (as literalPath returns it) exactly as named, never following a final
  // link: the one way in for the operations that overwrite, rename or delete.
  virtual std::unique_ptr<FileNode> openNode(const std::string& literalPath, FileStatus& status) = 0;
  // Opens an existing file, or creates it empty, for writing. Never through a link.
  virtual std::unique_ptr<WritableFile> openForWrite(const std::string& path, FileStatus& status) = 0;
  virtual FileStatus deleteFile(const std::string& path) = 0;
  // Gives the file `newName` in its own folder and forces the folder's entry to the device.
  // Refuses a name that is taken, and a name holding a separator.
  virtual FileStatus renameInFolder(const std::string& path, const std::string& newName) = 0;
  // The file's named data streams, each as a path openForWrite takes (the file's path and the
  // stream's name). None where the file system has no such streams.
  virtual FileStatus namedStreams(const std::string& path, std::vector<std::string>& streams) = 0;
  // Removes a link itself, for a file or a folder, never what it leads to; refuses anything else.
  virtual FileStatus removeLink(const std::string& path) = 0;
  // Removes this one name of a file that has others, even a read-only one, and leaves the
  // file's attributes to its other names as they were. Folders are refused.
  virtual FileStatus deleteOneName(const std::string& path) = 0;
  // Clears read-only, hidden, system and archive.
  virtual FileStatus setNormalAttributes(const std::string& path) = 0;
  // Puts back attributes read with fileFacts. Links and folders keep theirs.
  virtual FileStatus setAttributes(const std::string& path, std::uint32_t attributes) = 0;
  virtual FileStatus fileFacts(const std::string& path, FileFacts& facts) = 0;
  virtual FileStatus fileLength(const std::string& path, std::uint64_t& length) = 0;
  // Reads at most `maxBytes` from the start of the file.
  virtual FileStatus readFile(const std::string& path, std::string& contents, std::size_t maxBytes) = 0;
  virtual FolderListing readFolder(const std::string& folder) = 0;
  // Creates the folder and any missing folders above it; one that exists already is fine.
  virtual FileStatus createFolder(const std::string& path) = 0;
  // The user's temporary folder ending with the separator; empty when there is none.
  virtual std::string tempPath() = 0;
  // Creates an empty file under a name no other file in `folder` has (the folder
  // ends with the separator) and returns its path; empty when none could be made.
  virtual std::string createUniqueFile(const std::string& folder, const std::string& prefix) = 0;
};

}  // namespace vellox
