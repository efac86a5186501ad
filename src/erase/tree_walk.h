#pragma once
#include <memory>
#include <string>
#include <vector>
#include "platform/file_node.h"
#include "wipe/left_behind.h"

namespace vellox {

// A name met by a walk, or given by the user: the folder it was listed in stays open, so the
// name is opened again relative to that folder and never looked up by its path.
struct FoundName {
  std::shared_ptr<FileNode> held;    // a name opened as given, kept open until it is handled
  std::shared_ptr<FileNode> folder;  // or the open folder it was listed in
  DirEntry entry;
  std::string path;  // for messages only
  NodeFacts facts;   // as it was when found
};

struct Tree {
  std::vector<FoundName> files;
  std::vector<FoundName> links;      // links that only name another place: removable as names
  std::vector<FoundName> folders;    // the folders below the root, each before what it holds
  std::vector<LeftBehind> skipped;   // folders not (fully) listed, links that hold data
  std::vector<LeftBehind> vanished;  // listed, but gone before they could be opened
};

// Opens the path exactly as given (a literal path), never following a final link.
std::shared_ptr<FileNode> openRoot(Files& files, const std::string& path, FileStatus& status);

// Every file and link below the open folder `root`, depth first and pre-order, each folder
// opened relative to its parent's handle and checked on that handle: links are never followed.
Tree walkTree(const std::shared_ptr<FileNode>& root);

// Opens the found name again through its folder's handle; refuses it when it is no longer the
// file that was found there.
std::shared_ptr<FileNode> reopen(const FoundName& name, FileStatus& status);

}  // namespace vellox
