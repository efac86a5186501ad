#include "fakes/fake_files.h"
#include <algorithm>
#include <cstring>

namespace vellox::test {

namespace {
FileStatus error(FileErrc code, long native, const char* text) { return {code, native, text}; }
const FileStatus kNotFound = error(FileErrc::NotFound, 2, "The system cannot find the file specified.");
const FileStatus kDenied = error(FileErrc::AccessDenied, 5, "Access is denied.");
const FileStatus kShared = error(FileErrc::Other, 32, "The process cannot access the file because it is being used by another process.");
}  // namespace

class FakeWritableFile : public WritableFile {
 public:
  FakeWritableFile(FakeFiles& files, std::string path, std::size_t session)
      : files_(files), path_(std::move(path)), session_(session) {}
  std::optional<std::uint64_t> length() override {
    if (!files_.exists(path_)) return std::nullopt;
    return files_.node(path_).data.size();
  }
  bool writeAt(std::uint64_t offset, const void* data, std::size_t size) override {
    if (!files_.exists(path_)) return false;
    auto& bytes = files_.node(path_).data;
    if (bytes.size() < offset + size) bytes.resize(offset + size);
    std::memcpy(bytes.data() + offset, data, size);
    auto& session = files_.sessions[session_];
    session.writes.push_back({offset, size});
    session.flushedAfterLastWrite = false;
    return true;
  }
  bool flush() override {
    auto& session = files_.sessions[session_];
    ++session.flushes;
    session.flushedAfterLastWrite = true;
    return true;
  }

 private:
  FakeFiles& files_;
  std::string path_;
  std::size_t session_;
};

std::string FakeFiles::parentOf(const std::string& path) const {
  auto cut = path.find_last_of('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

void FakeFiles::link(const std::string& path) {
  auto parent = parentOf(path);
  if (!parent.empty() && !exists(parent)) addFolder(parent);
  auto& names = children_[parent];
  auto name = path.substr(parent.size() + (parent.empty() ? 0 : 1));
  names.push_back(name);  // only new nodes are linked
}

void FakeFiles::addFolder(const std::string& path) {
  if (exists(path)) return;
  nodes_[path].directory = true;
  link(path);
}

FakeFiles::Node& FakeFiles::addFile(const std::string& path, std::size_t size, std::uint8_t fill) {
  const bool known = exists(path);
  auto& n = nodes_[path];
  n.data.assign(size, fill);
  if (!known) link(path);
  return n;
}

FakeFiles::Node& FakeFiles::addFile(const std::string& path, const std::string& contents) {
  auto& n = addFile(path);
  n.data.assign(contents.begin(), contents.end());
  return n;
}

FileStatus FakeFiles::readFile(const std::string& path, std::string& contents, std::size_t maxBytes) {
  auto it = nodes_.find(path);
  if (it == nodes_.end() || it->second.directory) return kNotFound;
  if (it->second.locked) return kShared;
  const auto& data = it->second.data;
  contents.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(std::min(maxBytes, data.size())));
  return {};
}

std::unique_ptr<WritableFile> FakeFiles::openForWrite(const std::string& path, FileStatus& status) {
  auto it = nodes_.find(path);
  if (it == nodes_.end()) {
    if (!exists(parentOf(path))) {
      status = error(FileErrc::NotFound, 3, "The system cannot find the path specified.");
      return nullptr;
    }
    addFile(path);
    it = nodes_.find(path);
  }
  if (it->second.directory || it->second.readOnly) {
    status = kDenied;
    return nullptr;
  }
  if (it->second.locked) {
    status = kShared;
    return nullptr;
  }
  status = {};
  sessions.push_back({path, it->second.data.size(), {}, 0, false});
  return std::make_unique<FakeWritableFile>(*this, path, sessions.size() - 1);
}

FileStatus FakeFiles::deleteFile(const std::string& path) {
  deletes.push_back(path);
  auto it = nodes_.find(path);
  if (it == nodes_.end() || it->second.directory) return kNotFound;
  if (it->second.readOnly) return kDenied;
  if (it->second.locked) return kShared;
  deletedData[path] = std::move(it->second.data);
  nodes_.erase(it);
  auto& names = children_[parentOf(path)];
  names.erase(std::find(names.begin(), names.end(), path.substr(path.find_last_of('\\') + 1)));
  return {};
}

FileStatus FakeFiles::setNormalAttributes(const std::string& path) {
  attributeResets.push_back(path);
  auto it = nodes_.find(path);
  if (it == nodes_.end()) return kNotFound;
  it->second.readOnly = it->second.hidden = it->second.system = false;
  return {};
}

FileStatus FakeFiles::fileLength(const std::string& path, std::uint64_t& length) {
  if (auto e = lengthErrors.find(path); e != lengthErrors.end()) return e->second;
  auto it = nodes_.find(path);
  if (it == nodes_.end() || it->second.directory) return kNotFound;
  length = it->second.data.size();
  return {};
}

std::optional<std::vector<DirEntry>> FakeFiles::listFolder(const std::string& folder) {
  std::string key = folder;
  while (!key.empty() && key.back() == '\\') key.pop_back();
  if (std::find(unlistable.begin(), unlistable.end(), key) != unlistable.end()) return std::nullopt;
  auto it = nodes_.find(key);
  if (it == nodes_.end() || !it->second.directory) return std::nullopt;
  std::vector<DirEntry> entries;
  for (const auto& name : children_[key]) {
    const auto& n = nodes_.at(key + "\\" + name);
    entries.push_back({name, n.directory, n.link, n.readOnly, n.hidden, n.system});
  }
  return entries;
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
