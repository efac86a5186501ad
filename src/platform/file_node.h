#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "platform/files.h"

namespace vellox {

enum class NodeKind {
  File,
  Folder,
  Link,      // names another place (symbolic link, junction, mount point): removed as a name, never followed
  DataLink,  // a reparse point that holds data (placeholder, deduplicated file): left alone
  Other,     // a device, pipe or socket: left alone
};

struct NodeFacts {
  NodeKind kind = NodeKind::File;
  std::uint32_t attributes = 0;  // the platform's own bits, for setAttributes to put back
  bool readOnly = false;
  bool relocating = false;  // compressed, sparse or encrypted, as in FileFacts
  std::uint32_t links = 1;  // names that share the file's data; 0 when unknown
  FileIdentity identity;
  std::uint64_t length = 0;
};

// One name, opened once and never looked up by its path again: every operation goes through
// this handle, or through the handle of the folder it was opened in. A name counts as a link
// when the handle says so or when its folder's listing does, because some systems describe a
// link's target through a handle opened on the link.
class FileNode {
 public:
  virtual ~FileNode() = default;
  virtual const NodeFacts& facts() const = 0;
  // Where the node was reached, for messages only: never opened again by the gate.
  virtual const std::string& path() const = 0;

  // Of a folder: its entries as read through this handle.
  virtual FolderListing list() = 0;
  // Opens an entry of this folder relative to this folder's handle, exactly as listed and
  // without following it. The entry's own marks (link, directory) count with the handle's.
  virtual std::unique_ptr<FileNode> openChild(const DirEntry& entry, FileStatus& status) = 0;

  // Of a file: a writer on this same open file, reopened through the handle and never by name,
  // so a file replaced meanwhile is never written or created anew. A read-only file must have
  // been made writable first. Refused for anything but a file.
  virtual std::unique_ptr<WritableFile> openForWriting(FileStatus& status) = 0;
  // The file's named data streams, by their names (":name:$DATA"); none where there are none.
  virtual FileStatus streams(std::vector<std::string>& names) = 0;
  virtual std::unique_ptr<WritableFile> openStream(const std::string& name, FileStatus& status) = 0;

  // Gives the name `newName` in the same folder, through the handles; refuses a taken name.
  virtual FileStatus rename(const std::string& newName) = 0;
  // Removes this name through the handle: a link goes as itself, a folder only when empty. A
  // file's other names keep their attributes, a read-only one's included.
  virtual FileStatus remove() = 0;
  // Of a file: clears read-only, hidden and system, so that it can be written and removed.
  virtual FileStatus makeWritable() = 0;
  // Of a file: puts back attribute bits as read in facts().
  virtual FileStatus setAttributes(std::uint32_t attributes) = 0;
};

}  // namespace vellox
