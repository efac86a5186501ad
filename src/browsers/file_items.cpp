#include "browsers/file_items.h"
#include <functional>
#include <string>
#include <vector>
#include "wipe/enum_files.h"
#include "erase/clearing.h"

namespace vellox {

namespace {

enum class Kind { Gone, Link, Other };

// The item's paths were found earlier; some may be gone since, by an earlier clean.
Kind kindOf(Files& files, const std::string& path) {
  FileFacts facts;
  if (!files.fileFacts(path, facts).ok()) return Kind::Gone;
  return facts.link ? Kind::Link : Kind::Other;
}

std::uint64_t lengthOf(Files& files, const std::string& path) {
  std::uint64_t length = 0;
  return files.fileLength(path, length).ok() ? length : 0;
}

// Calls `onFile` for every file of the item and `onLink` for every link, the item's own
// names included; links are never followed.
void visit(Files& files, const ItemPaths& item, const std::function<void(const std::string&)>& onFile,
           const std::function<void(const std::string&)>& onLink) {
  // An item's own name that is a link leads where the browser's folders do not: it is not the
  // item's, so it is neither counted nor cleaned.
  for (const auto& path : item.files) {
    if (kindOf(files, path) == Kind::Other) onFile(path);
  }
  for (const auto& folder : item.folders) {
    if (kindOf(files, folder) != Kind::Other) continue;
    std::vector<std::string> found;
    std::string path = folder;
    const WalkResult walk = enumFiles(files, found, path);
    for (const auto& file : found) onFile(file);
    for (const auto& link : walk.links) onLink(link);
  }
}

}  // namespace

FileTally measureFiles(Files& files, const ItemPaths& item) {
  FileTally tally;
  visit(
      files, item,
      [&](const std::string& path) {
        ++tally.files;
        tally.bytes += lengthOf(files, path);
      },
      [&](const std::string&) { ++tally.files; });
  return tally;
}

std::vector<std::string> linkNotes(const ItemPaths& item, char separator) {
  std::vector<std::string> notes;
  for (const auto& [path, target] : item.linkedFolders)
    notes.push_back(path.substr(path.find_last_of(separator) + 1) + ": a link to " +
                    (target.empty() ? "a place that cannot be opened" : target) + ": not cleaned");
  return notes;
}

std::string withNotes(std::string text, const std::vector<std::string>& notes) {
  std::string joined;
  for (const auto& note : notes) joined += (joined.empty() ? "" : "; ") + note;
  if (text.empty() || joined.empty()) return text + joined;
  return text + " (" + joined + ")";
}

FileTally deleteFiles(Files& files, const ItemPaths& item, int securePasses, Subfolders subfolders) {
  FileTally tally;
  ShredControl control;
  // One file at a time, as a stop or a deadline must cut the item short within one file.
  control.workers = 1;
  // Each name is opened as the item names it: a link there stays, and is never walked through.
  for (const auto* paths : {&item.files, &item.folders}) {
    for (const auto& path : *paths) {
      const Cleared cleared = clearNamed(files, path, securePasses, control, subfolders);
      tally.files += cleared.removed;
      tally.bytes += cleared.bytes;
    }
  }
  return tally;
}

}  // namespace vellox
