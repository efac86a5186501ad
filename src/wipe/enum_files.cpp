#include "wipe/enum_files.h"
#include <algorithm>

namespace vellox {

namespace {

bool isBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

struct OpenFolder {
  std::string path;
  std::vector<DirEntry> entries;
  std::size_t next = 0;
};

std::string because(const char* what, const FileStatus& status) { return std::string(what) + ": " + causeOf(status); }

// The folder's entries as far as they could be read; what could not be read is noted.
// A folder that is not there (any more) leaves nothing behind.
std::vector<DirEntry> entriesOf(Files& files, const std::string& path, WalkResult& result) {
  FolderListing listing = files.readFolder(path);
  if (!listing.opened) {
    if (listing.status.code != FileErrc::NotFound)
      result.skipped.push_back({path, because("the folder could not be listed", listing.status)});
  } else if (!listing.status.ok()) {
    result.skipped.push_back({path, because("the folder's listing stopped early", listing.status)});
  }
  return std::move(listing.entries);
}

}  // namespace

WalkResult enumFiles(Files& files, std::vector<std::string>& foundFiles, std::string& path) {
  WalkResult result;
  // Empty text would name the root of the current drive.
  if (isBlank(path)) return result;
  // Judged before the separator is added, which would turn "C:" into the drive's root.
  auto literal = files.literalPath(path);
  if (path.back() != files.separator()) path += files.separator();
  if (!literal) {
    result.skipped.push_back({path, "it is not a full path"});
    return result;
  }
  if (literal->back() != files.separator()) *literal += files.separator();
  enumFolder(files, foundFiles, *literal, result);
  return result;
}

// Depth first and pre-order, as the platform lists each folder. The open folders
// are kept on a stack of our own, so a deep tree cannot exhaust the call stack.
void enumFolder(Files& files, std::vector<std::string>& foundFiles, const std::string& path, WalkResult& result) {
  const char separator = files.separator();
  std::vector<OpenFolder> open;
  open.push_back({path, entriesOf(files, path, result)});
  while (!open.empty()) {
    auto& folder = open.back();
    if (folder.next == folder.entries.size()) {
      open.pop_back();
      continue;
    }
    const auto& entry = folder.entries[folder.next++];
    std::string name = trimAtNul(entry.name);
    if (name.empty() || name == "." || name == "..") continue;
    // A link is never followed: one that only names another place goes as a name,
    // one that holds data is left alone and said so.
    if (entry.link) {
      if (entry.surrogate) {
        result.links.push_back(folder.path + name);
      } else {
        result.skipped.push_back({folder.path + name, kDataLinkReason});
      }
      continue;
    }
    if (!entry.directory) {
      foundFiles.push_back(folder.path + name);
      continue;
    }
    std::string child = folder.path + name + separator;
    auto entries = entriesOf(files, child, result);
    open.push_back({std::move(child), std::move(entries)});
  }
}

std::string trimAtNul(const std::string& text) { return text.substr(0, text.find('\0')); }

}  // namespace vellox
