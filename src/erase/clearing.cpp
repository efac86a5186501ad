#include "erase/clearing.h"
#include "erase/shred_batch.h"
#include "erase/tree_walk.h"

namespace vellox {

namespace {

void count(const FoundName& name, const Shred& shred, Cleared& cleared) {
  if (shred.end == ShredEnd::Wiped || shred.end == ShredEnd::LinkRemoved || shred.nameRemoved) {
    ++cleared.removed;
    cleared.bytes += name.facts.length;
  } else if (shred.end != ShredEnd::Missing) {
    cleared.left.push_back({name.path, shred.reason});
  }
}

// Deepest first, each through its parent's handle and closed at once: a folder whose last
// handle is still open stays in its parent, which would then not be empty. A folder that still
// holds something (a file in use) is refused by the system and stays.
void removeFolders(Tree& tree, ShredControl& control, Cleared& cleared) {
  tree.files.clear();
  tree.links.clear();
  for (auto it = tree.folders.rbegin(); it != tree.folders.rend() && !control.stopped(); ++it) {
    FileStatus status;
    if (const auto node = reopen(*it, status)) cleared.folders += node->remove().ok();
    *it = {};
  }
}

}  // namespace

Cleared clearBelow(const std::shared_ptr<FileNode>& folder, int passes, ShredControl& control, Subfolders subfolders) {
  Tree tree = walkTree(folder);
  Cleared cleared;
  const std::vector<Shred> results = shredFound(tree.files, passes, control);
  for (std::size_t i = 0; i < results.size(); ++i) count(tree.files[i], results[i], cleared);
  // A link is a leftover name like any other; removing it never touches where it leads.
  for (const auto& link : tree.links) {
    if (control.stopped()) {
      cleared.left.push_back({link.path, kCancelledReason});
      continue;
    }
    FileStatus status;
    const auto node = reopen(link, status);
    const FileStatus removed = node ? node->remove() : status;
    if (removed.ok()) ++cleared.removed;
    else cleared.left.push_back({link.path, "the link could not be removed: " + causeOf(removed)});
  }
  cleared.left.insert(cleared.left.end(), tree.skipped.begin(), tree.skipped.end());
  if (subfolders == Subfolders::Remove) removeFolders(tree, control, cleared);
  return cleared;
}

Cleared clearNamed(Files& files, const std::string& path, int passes, ShredControl& control, Subfolders subfolders) {
  Cleared cleared;
  std::string name = path;
  // The folder's own name is opened, not what a trailing separator would reach through it.
  while (name.size() > 1 && (name.back() == '\\' || name.back() == '/') && name[name.size() - 2] != ':')
    name.pop_back();
  const auto literal = files.literalPath(name);
  FileStatus status;
  const auto node = literal ? openRoot(files, *literal, status) : nullptr;
  if (!node) {
    if (status.code != FileErrc::NotFound) cleared.left.push_back({path, causeOf(status)});
    return cleared;
  }
  const NodeFacts facts = node->facts();
  switch (facts.kind) {
    case NodeKind::Folder:
      return clearBelow(node, passes, control, subfolders);
    case NodeKind::File: {
      const FoundName name{node, nullptr, {}, path, facts};
      count(name, shredFound({name}, passes, control).front(), cleared);
      return cleared;
    }
    case NodeKind::Link:
      cleared.left.push_back({path, "it is a link to another place: not cleaned"});
      return cleared;
    default:
      cleared.left.push_back({path, facts.kind == NodeKind::DataLink ? kDataLinkReason : "it is not a file"});
      return cleared;
  }
}

}  // namespace vellox
