#include "fakes/fake_files.h"
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
const FileStatus kListingFailed = error(FileErrc::Other, 1117, "The request could not be performed because of an I/O device error.");
}  // namespace

class FakeWritableFile : public WritableFile {
 public:
  FakeWritableFile(FakeFiles& files, std::string path, std::size_t session)
      : files_(files), path_(std::move(path)), session_(session) {}
  FileStatus length(std::uint64_t& length) override {
    if (!files_.exists(path_)) return kNotFound;
    length = files_.node(path_).data.size();
    return {};
  }
  FileStatus writeAt(std::uint64_t offset, const void* data, std::size_t size) override {
    if (!files_.exists(path_)) return kNotFound;
    auto& bytes = files_.node(path_).data;
    if (bytes.size() < offset + size) bytes.resize(offset + size);
    std::memcpy(bytes.data() + offset, data, size);
    auto& session = files_.sessions[session_];
    session.writes.push_back({offset, size});
    session.flushedAfterLastWrite = false;
    return {};
  }
  FileStatus flush() override {
    auto& session = files_.sessions[session_];
    ++session.flushes;
    session.flushedAfterLastWrite = true;
    return {};
  }
  std::uint32_t linkCount() override { return files_.exists(path_) ? files_.node(path_).links : 0; }

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

void FakeFiles::unlink(const std::string& key) {
  nodes_.erase(key);
  auto& names = children_[parentOf(key)];
  names.erase(std::find(names.begin(), names.end(), key.substr(key.find_last_of('\\') + 1)));
}

void FakeFiles::addFolder(const std::string& path) {
  if (exists(path)) return;
  nodes_[keyOf(path)].directory = true;
  link(keyOf(path));
}

FakeFiles::Node& FakeFiles::addFile(const std::string& path, std::size_t size, std::uint8_t fill) {
  const bool known = exists(path);
  auto& n = nodes_[keyOf(path)];
  n.data.assign(size, fill);
  if (!known) link(keyOf(path));
  return n;
}

FakeFiles::Node& FakeFiles::addFile(const std::string& path, const std::string& contents) {
  auto& n = addFile(path);
  n.data.assign(contents.begin(), contents.end());
  return n;
}

FileStatus FakeFiles::readFile(const std::string& path, std::string& contents, std::size_t maxBytes) {
  auto it = nodes_.find(keyOf(path));
  if (it == nodes_.end() || it->second.directory) return kNotFound;
  if (it->second.link || it->second.dataLink) return kLinkRefused;
  if (it->second.locked) return kShared;
  const auto& data = it->second.data;
  contents.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(std::min(maxBytes, data.size())));
  return {};
}

std::unique_ptr<WritableFile> FakeFiles::openForWrite(const std::string& path, FileStatus& status) {
  const std::string key = keyOf(path);
  auto it = nodes_.find(key);
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
  sessions.push_back({key, n.data.size(), {}, 0, false});
  return std::make_unique<FakeWritableFile>(*this, key, sessions.size() - 1);
}

FileStatus FakeFiles::deleteFile(const std::string& path) {
  const std::string key = keyOf(path);
  deletes.push_back(key);
  auto it = nodes_.find(key);
  if (it == nodes_.end()) return kNotFound;
  if (it->second.directory && !it->second.link) return kDenied;
  if (it->second.readOnly) return kDenied;
  if (it->second.locked) return kShared;
  deletedData[key] = std::move(it->second.data);
  unlink(key);
  return {};
}

// As on Windows, the read-only attribute does not keep this one name: only a lock or a folder does.
FileStatus FakeFiles::deleteOneName(const std::string& path) {
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
  const std::string key = keyOf(path);
  auto it = nodes_.find(key);
  if (it == nodes_.end()) return kNotFound;
  if (!it->second.link) return kNotALink;
  unlink(key);
  return {};
}

FileStatus FakeFiles::setNormalAttributes(const std::string& path) {
  attributeResets.push_back(keyOf(path));
  return setAttributes(path, 0);
}

FileStatus FakeFiles::setAttributes(const std::string& path, std::uint32_t attributes) {
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
  auto it = nodes_.find(keyOf(path));
  if (it == nodes_.end()) return kNotFound;
  const Node& n = it->second;
  facts.links = n.links;
  facts.attributes = (n.readOnly ? kReadOnly : 0) | (n.hidden ? kHidden : 0) | (n.system ? kSystem : 0);
  facts.readOnly = n.readOnly;
  facts.directory = n.directory;
  facts.link = n.link || n.dataLink;
  facts.surrogate = n.link;
  return {};
}

FileStatus FakeFiles::fileLength(const std::string& path, std::uint64_t& length) {
  const std::string key = keyOf(path);
  if (auto e = lengthErrors.find(key); e != lengthErrors.end()) return e->second;
  auto it = nodes_.find(key);
  if (it == nodes_.end() || it->second.directory) return kNotFound;
  length = it->second.data.size();
  return {};
}

FolderListing FakeFiles::readFolder(const std::string& folder) {
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
  if (!exists(folder.substr(0, folder.size() - 1))) return "";
  for (int n = 1;; ++n) {
    const std::string path = folder + prefix + std::to_string(n) + ".tmp";
    if (exists(path)) continue;
    addFile(path);
    return path;
  }
}

}  // namespace vellox::test
