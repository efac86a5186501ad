#include "wipe/mod_enum_files.h"
#include <algorithm>

namespace vellox {

std::vector<std::string> foundFiles;

namespace {

bool isBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

struct OpenFolder {
  std::string path;
  std::vector<DirEntry> entries;
  std::size_t next = 0;
};

}  // namespace

void enumFiles(Files& files, std::string& path) {
  // Empty text would name the root of the current drive.
  if (isBlank(path)) return;
  if (path.back() != files.separator()) path += files.separator();
  enumFolder(files, path);
}

// Depth first and pre-order, as the platform lists each folder. The open folders
// are kept on a stack of our own, so a deep tree cannot exhaust the call stack.
void enumFolder(Files& files, const std::string& path) {
  const char separator = files.separator();
  std::vector<OpenFolder> open;
  if (auto entries = files.listFolder(path)) open.push_back({path, std::move(*entries)});
  while (!open.empty()) {
    auto& folder = open.back();
    if (folder.next == folder.entries.size()) {
      open.pop_back();
      continue;
    }
    const auto& entry = folder.entries[folder.next++];
    std::string name = trimAtNul(entry.name);
    // A link is neither followed nor listed: nothing outside the folder is touched.
    if (name.empty() || name == "." || name == ".." || entry.link) continue;
    if (!entry.directory) {
      foundFiles.push_back(folder.path + name);
      continue;
    }
    if (name.back() != separator) name += separator;
    std::string child = folder.path + name;
    if (auto entries = files.listFolder(child)) open.push_back({std::move(child), std::move(*entries)});
  }
}

std::string trimAtNul(const std::string& text) { return text.substr(0, text.find('\0')); }

}  // namespace vellox
