#include "erase/given_names.h"

namespace vellox {

std::shared_ptr<FileNode> GivenNames::open(const std::string& path, FileStatus& status) {
  const auto literal = files_.literalPath(path);
  if (!literal) {
    status = {FileErrc::Other, 123, "it is not a full path"};
    return nullptr;
  }
  return openRoot(files_, *literal, status);
}

std::shared_ptr<FileNode> GivenNames::folderOf(const std::string& literal) {
  auto [at, added] = folders_.try_emplace(literal);
  if (added) {
    FileStatus status;
    auto folder = openRoot(files_, literal, status);
    // A folder reached through a link is not pinned: the name keeps its own handle.
    if (folder && folder->facts().kind == NodeKind::Folder) at->second = std::move(folder);
  }
  return at->second;
}

FoundName GivenNames::found(const std::string& path, std::shared_ptr<FileNode> node) {
  const NodeFacts facts = node->facts();
  FoundName held{node, nullptr, {}, path, facts};
  if (facts.kind != NodeKind::File) return held;
  const auto literal = files_.literalPath(path);
  const std::size_t cut = literal ? literal->find_last_of(files_.separator()) : std::string::npos;
  if (cut == std::string::npos || cut + 1 == literal->size()) return held;
  // A drive's root keeps its separator: "X:\" is the folder, "X:" is not.
  const std::string parent = literal->substr(0, literal->find(':') == cut - 1 ? cut + 1 : cut);
  const auto folder = folderOf(parent);
  if (!folder) return held;
  FoundName pinned{nullptr, folder, DirEntry{literal->substr(cut + 1)}, path, facts};
  // Checked now as the gate checks it later: the same file, reached through the folder.
  FileStatus status;
  return reopen(pinned, status) ? pinned : held;
}

}  // namespace vellox
