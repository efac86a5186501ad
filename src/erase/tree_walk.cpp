#include "erase/tree_walk.h"

namespace vellox {

namespace {

const FileStatus kReplaced{FileErrc::NotFound, 2, "it was replaced since it was listed"};

std::string because(const char* what, const FileStatus& status) { return std::string(what) + ": " + causeOf(status); }

struct OpenFolder {
  std::shared_ptr<FileNode> node;
  std::vector<DirEntry> entries;
  std::size_t next = 0;
};

// The folder's entries as far as they could be read; what could not be read is noted.
std::vector<DirEntry> entriesOf(FileNode& folder, Tree& tree) {
  FolderListing listing = folder.list();
  if (!listing.opened) {
    if (listing.status.code != FileErrc::NotFound)
      tree.skipped.push_back({folder.path(), because("the folder could not be listed", listing.status)});
  } else if (!listing.status.ok()) {
    tree.skipped.push_back({folder.path(), because("the folder's listing stopped early", listing.status)});
  }
  return std::move(listing.entries);
}

bool replacedSinceListed(const DirEntry& entry, const NodeFacts& facts) {
  // Wider ids (ReFS) are not comparable with the listing's 64 bits.
  return entry.id != 0 && facts.identity.high == 0 && facts.identity.low != entry.id;
}

std::string childPath(const FileNode& folder, const std::string& name) {
  const std::string& path = folder.path();
  const char separator = path.find('\\') != std::string::npos ? '\\' : '/';
  return path.empty() || path.back() == separator ? path + name : path + separator + name;
}

}  // namespace

std::shared_ptr<FileNode> openRoot(Files& files, const std::string& path, FileStatus& status) {
  return std::shared_ptr<FileNode>(files.openNode(path, status));
}

Tree walkTree(const std::shared_ptr<FileNode>& root) {
  Tree tree;
  std::vector<OpenFolder> open;
  open.push_back({root, entriesOf(*root, tree)});
  while (!open.empty()) {
    auto& folder = open.back();
    if (folder.next == folder.entries.size()) {
      open.pop_back();
      continue;
    }
    const DirEntry entry = folder.entries[folder.next++];
    const std::string name = entry.name.substr(0, entry.name.find('\0'));
    if (name.empty() || name == "." || name == "..") continue;
    FileStatus status;
    std::shared_ptr<FileNode> child(folder.node->openChild(entry, status));
    const std::string path = childPath(*folder.node, name);
    // A name swapped since the listing (a folder for a link to elsewhere, where the system
    // follows links it was asked not to) leads to another file than the one listed.
    if (child && replacedSinceListed(entry, child->facts())) {
      child.reset();
      status = kReplaced;
    }
    if (!child) {
      if (status.code == FileErrc::NotFound) tree.vanished.push_back({path, causeOf(status)});
      else tree.skipped.push_back({path, because("it could not be opened", status)});
      continue;
    }
    FoundName found{nullptr, folder.node, entry, child->path(), child->facts()};
    switch (child->facts().kind) {
      case NodeKind::Folder: {
        tree.folders.push_back(std::move(found));
        auto entries = entriesOf(*child, tree);
        open.push_back({std::move(child), std::move(entries)});
        break;
      }
      case NodeKind::File:
        tree.files.push_back(std::move(found));
        break;
      case NodeKind::Link:
        tree.links.push_back(std::move(found));
        break;
      case NodeKind::DataLink:
        tree.skipped.push_back({path, kDataLinkReason});
        break;
      case NodeKind::Other:
        tree.skipped.push_back({path, "it is not a file"});
        break;
    }
  }
  return tree;
}

std::shared_ptr<FileNode> reopen(const FoundName& name, FileStatus& status) {
  if (name.held) {
    status = {};
    return name.held;
  }
  std::shared_ptr<FileNode> node(name.folder->openChild(name.entry, status));
  if (!node) return nullptr;
  const NodeFacts& now = node->facts();
  if (now.identity != name.facts.identity || now.kind != name.facts.kind) {
    status = kReplaced;
    return nullptr;
  }
  return node;
}

}  // namespace vellox
