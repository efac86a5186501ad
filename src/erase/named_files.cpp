#include "erase/named_files.h"
#include "erase/node_shred.h"
#include "erase/scope_rule.h"
#include "erase/tree_walk.h"

namespace vellox {

NamedFilesRemoved removeNamedFiles(Files& files, const std::string& folder,
                                   const std::function<bool(const std::string&)>& picked, bool thenFolder) {
  NamedFilesRemoved result;
  const auto literal = files.literalPath(withoutTrailingSeparators(folder));
  FileStatus status;
  const auto node = literal ? openRoot(files, *literal, status) : nullptr;
  if (!node || node->facts().kind != NodeKind::Folder) return result;
  const FolderListing listing = node->list();
  if (!listing.opened) return result;
  result.listed = true;
  result.others = !listing.complete();
  for (const auto& entry : listing.entries) {
    if (entry.directory || entry.link || !picked(entry.name)) {
      result.others = true;
      continue;
    }
    const auto file = node->openChild(entry, status);
    if (file && file->facts().kind == NodeKind::File && removeName(*file).ok()) {
      ++result.removed;
    } else {
      ++result.failed;
      result.others = true;
    }
  }
  if (thenFolder && !result.others) result.folderRemoved = node->remove().ok();
  return result;
}

}  // namespace vellox
