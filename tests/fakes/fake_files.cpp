#include "fakes/fake_files.h"
#include "fakes/path_node.h"
#include <algorithm>
#include <cctype>
#include <cstring>

namespace vellox::test {

namespace {
FileStatus error(FileErrc code, long native, const char* text) { return {code, native, text}; }
const FileStatus kNotFound = error(FileErrc::NotFound, 2, "The system cannot find the file specified.");
const FileStatus kDenied = error(FileErrc::AccessDenied, 5, "Access is denied.");
const FileStatus kShared = error(FileErrc::InUse, 32, "The process cannot access the file because it is being used by another process.");
const FileStatus kNotALink = error(FileErrc::Other, 4390, "The file or directory is not a reparse point.");
const FileStatus kLinkRefused = error(FileErrc::Other, 1920, "The file is a link; nothing is written through it.");
const FileStatus kNameTaken = error(FileErrc::Other, 183, "Cannot create a file when that file already exists.");
const FileStatus kBadName = error(FileErrc::Other, 123, "The filename, directory name, or volume label syntax is incorrect.");
const FileStatus kListingFailed = error(FileErrc::Other, 1117, "The request could not be performed because of an I/O device error.");
// "C:\\d\\f.txt:s:$DATA" as the file's key and the stream's name; a plain key has no stream.
std::pair<std::string, std::string> splitStream(const std::string& key) {
  const auto name = key.find_last_of('\\');
  const auto colon = key.find(':', name == std::string::npos ? 0 : name);
  if (name == std::string::npos || colon == std::string::npos) return {key, ""};
  return {key.substr(0, colon), key.substr(colon)};
}
}  // namespace

class FakeWritableFile : public WritableFile {
 public:
  FakeWritableFile(FakeFiles& files, std::string path, std::size_t session)
      : files_(files), path_(std::move(path)), session_(session) {}
  FileStatus length(std::uint64_t& length) override {
    std::lock_guard guard(files_.mutex_);
    const auto* bytes = files_.dataOf(path_);
    if (!bytes) return kNotFound;
    length = bytes->size();
    return {};
  }
  FileStatus writeAt(std::uint64_t offset, const void* data, std::size_t size) override {
    std::lock_guard guard(files_.mutex_);
    auto* bytes = files_.dataOf(path_);
    if (!bytes) return kNotFound;
    if (bytes->size() < offset + size) bytes->resize(offset + size);
    std::memcpy(bytes->data() + offset, data, size);
    auto& session = files_.sessions[session_];
    session.writes.push_back({offset, size, session.flushes});
    session.flushedAfterLastWrite = false;
    return {};
  }
  FileStatus flush() override {
    std::lock_guard guard(files_.mutex_);
    auto& session = files_.sessions[session_];
    ++session.flushes;
    session.flushedAfterLastWrite = true;
    return {};
  }
  std::uint32_t linkCount() override {
    std::lock_guard guard(files_.mutex_);
    const std::string file = splitStream(path_).first;
    return files_.exists(file) ? files_.node(file).links : 0;
  }

 private:
  FakeFiles& files_;
  std::string path_;
  std::size_t session_;
};

std::string FakeFiles::keyOf(const std::string& path) {
  if (path.rfind("\\\\?\\UNC\\", 0) == 0) return "\\\\" + path.substr(8);
  if (path.rfind("\\\\?\\", 0) == 0) return path.substr(4);
  return path;
}

std::optional<std::string> FakeFiles::literalPath(const std::string& text) {
  if (text.rfind("\\\\?\\", 0) == 0) return text;
  const bool drive = text.size() >= 3 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':' &&
                     text[2] == '\\';
  const bool unc = text.size() >= 3 && text[0] == '\\' && text[1] == '\\' && text[2] != '?' && text[2] != '.' &&
                   text[2] != '\\';
  if (drive) return "\\\\?\\" + text;
  if (unc) return "\\\\?\\UNC\\" + text.substr(2);
  return std::nullopt;
}

std::string FakeFiles::parentOf(const std::string& key) const {
  auto cut = key.find_last_of('\\');
  return cut == std::string::npos ? std::string() : key.substr(0, cut);
}

void FakeFiles::link(const std::string& key) {
  auto parent = parentOf(key);
  if (!parent.empty() && !exists(parent)) addFolder(parent);
  auto& names = children_[parent];
  names.push_back(key.substr(parent.size() + (parent.empty() ? 0 : 1)));  // only new nodes are linked
}

std::vector<std::uint8_t>* FakeFiles::dataOf(const std::string& key) {
  const auto [file, stream] = splitStream(key);
  auto it = nodes_.find(file);
  if (it == nodes_.end()) return nullptr;
  if (stream.empty()) return &it->second.data;
  auto found = it->second.streams.find(stream);
  return found == it->second.streams.end() ? nullptr : &found->second;
}

void FakeFiles::unlink(const std::string& key) {
  nodes_.erase(key);
  auto& names = children_[parentOf(key)];
  names.erase(std::find(names.begin(), names.end(), key.substr(key.find_last_of('\\') + 1)));
}

void FakeFiles::addFolder(const std::string& path) {
  if (exists(path)) return;
  auto& n = nodes_[keyOf(path)];
  n.directory = true;
  n.id = ++lastId_;
  link(keyOf(path));
}

FakeFiles::Node& FakeFiles::addFile(const std::string& path, std::size_t size, std::uint8_t fill) {
  const bool known = exists(path);
  auto& n = nodes_[keyOf(path)];
  n.data.assign(size, fill);
  n.createdAs = keyOf(path);
  if (!known) {
    n.id = ++lastId_;
    link(keyOf(path));
  }
  return n;
}

FakeFiles::Node& FakeFiles::addFile(const std::string& path, const std::string& contents) {
  auto& n = addFile(path);
  n.data.assign(contents.begin(), contents.end());
  return n;
}

FileStatus FakeFiles::readFile(const std::string& path, std::string& contents, std::size_t maxBytes) {
  std::lock_guard guard(mutex_);
  auto it = nodes_.find(keyOf(path));
  if (it == nodes_.end() || it->second.directory) return kNotFound;
  if (it->second.link || it->second.dataLink) return kLinkRefused;
  if (it->second.locked) return kShared;
  const auto& data = it->second.data;
  contents.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(std::min(maxBytes, data.size())));
  return {};
}

std::unique_ptr<FileNode> FakeFiles::openNode(const std::string& literalPath, FileStatus& status) {
  std::lock_guard guard(mutex_);
  return openPathNode(*this, literalPath, status);
}

std::unique_ptr<WritableFile> FakeFiles::openForWrite(const std::string& path, FileStatus& status) {
  std::lock_guard guard(mutex_);
  const std::string key = keyOf(path);
  const auto [file, stream] = splitStream(key);
  auto it = nodes_.find(file);
  if (it == nodes_.end() && !stream.empty()) {
    status = kNotFound;
    return nullptr;
  }
  if (it == nodes_.end()) {
    if (!exists(parentOf(key))) {
      status = error(FileErrc::NotFound, 3, "The system cannot find the path specified.");
      return nullptr;
    }
    addFile(key);
    it = nodes_.find(key);
  }
  const Node& n = it->second;
  if (n.link || n.dataLink) {
    status = kLinkRefused;
    return nullptr;
  }
  if (n.directory || n.readOnly) {
    status = kDenied;
    return nullptr;
  }
  if (n.locked) {
    status = kShared;
    return nullptr;
  }
  status = {};
  // Opening a stream that is not there makes it, as on Windows.
  const auto& bytes = stream.empty() ? n.data : it->second.streams[stream];
  sessions.push_back({key, bytes.size(), {}, 0, false});
  return std::make_unique<FakeWritableFile>(*this, key, sessions.size() - 1);
}

FileStatus FakeFiles::deleteFile(const std::string& path) {
  std::lock_guard guard(mutex_);
  const std::string key = keyOf(path);
  deletes.push_back(key);
  auto it = nodes_.find(key);
  if (it == nodes_.end()) return kNotFound;
  if (it->second.directory && !it->second.link) return kDenied;
  if (it->second.readOnly) return kDenied;
  if (it->second.locked) return kShared;
  const std::string made = it->second.createdAs.empty() ? key : it->second.createdAs;
  deletedData[made] = std::move(it->second.data);
  for (auto& [name, bytes] : it->second.streams) deletedData[made + name] = std::move(bytes);
  unlink(key);
  return {};
}

FileStatus FakeFiles::createFolder(const std::string& path) {
  std::lock_guard guard(mutex_);
  auto it = nodes_.find(keyOf(path));
  if (it != nodes_.end()) return it->second.directory ? FileStatus{} : kDenied;
  addFolder(keyOf(path));
  return {};
}

// As MoveFileExW without replacing: the node keeps its place in the folder's order.
FileStatus FakeFiles::renameInFolder(const std::string& path, const std::string& newName) {
  std::lock_guard guard(mutex_);
  const std::string key = keyOf(path);
  if (newName.empty() || newName.find_first_of("\\/:") != std::string::npos) return kBadName;
  auto it = nodes_.find(key);
  if (it == nodes_.end()) return kNotFound;
  if (it->second.locked) return kShared;
  const std::string parent = parentOf(key), to = parent + "\\" + newName;
  if (nodes_.count(to)) return kNameTaken;
  auto& names = children_[parent];
  *std::find(names.begin(), names.end(), key.substr(parent.size() + 1)) = newName;
  nodes_[to] = std::move(it->second);
  nodes_.erase(key);
  renames.push_back({key, to});
  return {};
}

FileStatus FakeFiles::namedStreams(const std::string& path, std::vector<std::string>& streams) {
  std::lock_guard guard(mutex_);
  streams.clear();
  auto it = nodes_.find(keyOf(path));
  if (it == nodes_.end()) return kNotFound;
  for (const auto& stream : it->second.streams) streams.push_back(path + stream.first);
  return {};
}

// As on Windows, the read-only attribute does not keep this one name: only a lock or a folder does.
FileStatus FakeFiles::deleteOneName(const std::string& path) {
  std::lock_guard guard(mutex_);
  const std::string key = keyOf(path);
  deletes.push_back(key);
  auto it = nodes_.find(key);
  if (it == nodes_.end()) return kNotFound;
  if (it->second.directory) return kDenied;
  if (it->second.locked) return kShared;
  unlink(key);
  return {};
}

FileStatus FakeFiles::removeLink(const std::string& path) {
  std::lock_guard guard(mutex_);
  const std::string key = keyOf(path);
  auto it = nodes_.find(key);
  if (it == nodes_.end()) return kNotFound;
  if (!it->second.link) return kNotALink;
  unlink(key);
  return {};
}

FileStatus FakeFiles::setNormalAttributes(const std::string& path) {
  std::lock_guard guard(mutex_);
  attributeResets.push_back(keyOf(path));
  return setAttributes(path, 0);
}

FileStatus FakeFiles::setAttributes(const std::string& path, std::uint32_t attributes) {
  std::lock_guard guard(mutex_);
  auto it = nodes_.find(keyOf(path));
  if (it == nodes_.end()) return kNotFound;
  Node& n = it->second;
  if (n.directory || n.link || n.dataLink) return kLinkRefused;
  n.readOnly = attributes & kReadOnly;
  n.hidden = attributes & kHidden;
  n.system = attributes & kSystem;
  return {};
}

FileStatus FakeFiles::fileFacts(const std::string& path, FileFacts& facts) {
  std::lock_guard guard(mutex_);
  auto it = nodes_.find(keyOf(path));
  if (it == nodes_.end()) return kNotFound;
  const Node& n = it->second;
  facts.links = n.links;
  facts.attributes = (n.readOnly ? kReadOnly : 0) | (n.hidden ? kHidden : 0) | (n.system ? kSystem : 0);
  facts.readOnly = n.readOnly;
  facts.directory = n.directory;
  facts.link = n.link || n.dataLink;
  facts.surrogate = n.link;
  facts.relocating = n.relocating;
  facts.identity = {0, 0, n.id};
  return {};
}

FileStatus FakeFiles::fileLength(const std::string& path, std::uint64_t& length) {
  std::lock_guard guard(mutex_);
  const std::string key = keyOf(path);
  if (auto e = lengthErrors.find(key); e != lengthErrors.end()) return e->second;
  auto it = nodes_.find(key);
  if (it == nodes_.end() || it->second.directory) return kNotFound;
  length = it->second.data.size();
  return {};
}

FolderListing FakeFiles::readFolder(const std::string& folder) {
  std::lock_guard guard(mutex_);
  FolderListing listing;
  std::string key = keyOf(folder);
  while (!key.empty() && key.back() == '\\') key.pop_back();
  if (std::find(unlistable.begin(), unlistable.end(), key) != unlistable.end()) {
    listing.status = kDenied;
    return listing;
  }
  auto it = nodes_.find(key);
  if (it == nodes_.end() || !it->second.directory) {
    listing.status = error(FileErrc::NotFound, 3, "The system cannot find the path specified.");
    return listing;
  }
  listing.opened = true;
  const auto stop = listingStopsAfter.find(key);
  for (const auto& name : children_[key]) {
    if (stop != listingStopsAfter.end() && listing.entries.size() == stop->second) {
      listing.status = kListingFailed;
      break;
    }
    const auto& n = nodes_.at(key + "\\" + name);
    DirEntry entry;
    entry.name = name;
    entry.directory = n.directory;
    entry.link = n.link || n.dataLink;
    entry.surrogate = n.link;
    entry.readOnly = n.readOnly;
    entry.hidden = n.hidden;
    entry.system = n.system;
    listing.entries.push_back(std::move(entry));
  }
  return listing;
}

std::string FakeFiles::createUniqueFile(const std::string& folder, const std::string& prefix) {
  std::lock_guard guard(mutex_);
  if (!exists(folder.substr(0, folder.size() - 1))) return "";
  for (int n = 1;; ++n) {
    const std::string path = folder + prefix + std::to_string(n) + ".tmp";
    if (exists(path)) continue;
    addFile(path);
    return path;
  }
}

}  // namespace vellox::test
