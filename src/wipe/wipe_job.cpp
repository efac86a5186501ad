#include "wipe/wipe_job.h"
#include "erase/shred_batch.h"
#include "erase/tree_walk.h"

namespace vellox {

namespace {

// How many of the items left behind a folder wipe names.
constexpr std::size_t kNamedFailures = 5;
constexpr const char* kRelocatingWhy =
    "Windows may write to such files in new places on the disk, so an overwrite may not reach their old data.";

// What the passes will write over the file as it is now.
std::uint64_t bytesToWrite(Files& files, const std::string& path, int passes) {
  std::uint64_t length = 0;
  return files.fileLength(path, length).ok() ? vellox::bytesToWrite(length, passes) : 0;
}

std::uint64_t bytesToWrite(const Tree& tree, int passes) {
  std::uint64_t total = 0;
  for (const auto& file : tree.files) total += vellox::bytesToWrite(file.facts.length, passes);
  return total;
}

// Links go as names, through the folder they were found in; what they lead to is never touched.
void removeLinks(const std::vector<FoundName>& links, ShredControl& control, FolderOutcome& outcome) {
  for (const auto& link : links) {
    if (control.stopped()) {
      ++outcome.notReached;
      continue;
    }
    FileStatus status;
    const auto node = reopen(link, status);
    const FileStatus removed = node ? node->remove() : status;
    if (removed.ok()) {
      ++outcome.linksRemoved;
    } else {
      outcome.leftBehind.push_back({link.path, "the link could not be removed: " + causeOf(removed)});
    }
  }
}

// Several dropped names, each opened exactly as given, sorted as a walk sorts what it meets.
Tree openNamed(Files& files, const std::vector<std::string>& paths) {
  Tree tree;
  for (const auto& path : paths) {
    FileStatus status;
    auto node = openRoot(files, path, status);
    if (!node) {
      tree.skipped.push_back({path, causeOf(status)});
      continue;
    }
    FoundName name{node, nullptr, {}, path, node->facts()};
    switch (name.facts.kind) {
      case NodeKind::File: tree.files.push_back(std::move(name)); break;
      case NodeKind::Link: tree.links.push_back(std::move(name)); break;
      case NodeKind::DataLink: tree.skipped.push_back({path, kDataLinkReason}); break;
      case NodeKind::Folder: tree.skipped.push_back({path, "it is a folder"}); break;
      case NodeKind::Other: tree.skipped.push_back({path, "it is not a file"}); break;
    }
  }
  return tree;
}

// The folder target opened as the name itself: a link there is removed, never walked.
Tree openFolderTarget(Files& files, std::string folder, FolderOutcome& outcome) {
  while (folder.size() > 1 && folder.back() == files.separator() && folder[folder.size() - 2] != ':')
    folder.pop_back();
  FileStatus status;
  const auto root = openRoot(files, folder, status);
  if (!root) {
    outcome.root = status.code == FileErrc::NotFound ? FolderOutcome::Root::Missing : FolderOutcome::Root::NotAFolder;
    outcome.rootReason = causeOf(status);
    return {};
  }
  switch (root->facts().kind) {
    case NodeKind::Folder:
      return walkTree(root);
    case NodeKind::Link: {
      const FileStatus removed = root->remove();
      outcome.root = removed.ok() ? FolderOutcome::Root::LinkRemoved : FolderOutcome::Root::LinkLeft;
      outcome.rootReason = causeOf(removed);
      return {};
    }
    default:
      outcome.root = FolderOutcome::Root::NotAFolder;
      outcome.rootReason = root->facts().kind == NodeKind::DataLink ? kDataLinkReason : "it is not a folder";
      return {};
  }
}

// A file stopped by Cancel while in progress is listed as not wiped; one never
// started is only counted.
void tally(const std::string& path, const Shred& shred, bool started, FolderOutcome& outcome) {
  if (shred) {
    ++outcome.wiped;
    outcome.relocating += shred.relocating;
  } else if (shred.end == ShredEnd::LinkRemoved) {
    ++outcome.linksRemoved;
  } else if (shred.end == ShredEnd::Cancelled && !started) {
    ++outcome.notReached;
  } else {
    outcome.leftBehind.push_back({path, shred.reason});
  }
}

void shredTree(const Tree& tree, std::size_t firstNumber, int passes, WipeRun& run, ShredControl& control,
               FolderOutcome& outcome) {
  // Distinct bytes: the batch may report from several threads at once.
  std::vector<std::uint8_t> started(tree.files.size(), 0);
  // A batch announces even the files it then skips as cancelled: only one started
  // before the stop can have been touched.
  control.started = [&](std::size_t index) {
    started[index] = control.stopped() ? 0 : 1;
    run.fileStarted(firstNumber + index, tree.files[index].path);
  };
  const std::vector<Shred> results = shredFound(tree.files, passes, control);
  control.started = nullptr;
  for (std::size_t i = 0; i < results.size(); ++i) tally(tree.files[i].path, results[i], started[i], outcome);
  removeLinks(tree.links, control, outcome);
  // A file that went between the listing and its turn was not wiped by us: it is named.
  outcome.leftBehind.insert(outcome.leftBehind.end(), tree.vanished.begin(), tree.vanished.end());
  outcome.leftBehind.insert(outcome.leftBehind.end(), tree.skipped.begin(), tree.skipped.end());
  outcome.cancelled = control.stopped();
}

std::string rootMessage(const std::string& folder, const FolderOutcome& outcome) {
  const std::string name = shownPath(folder);
  switch (outcome.root) {
    case FolderOutcome::Root::Missing: return "Nothing was wiped: the folder " + name + " was not found.";
    case FolderOutcome::Root::LinkRemoved:
      return name + " was a link: the link was removed, and what it leads to was left alone.";
    case FolderOutcome::Root::LinkLeft:
      return "Nothing was wiped: " + name + " is a link, and the link could not be removed: " + outcome.rootReason;
    case FolderOutcome::Root::NotAFolder: return "Nothing was wiped: " + name + ": " + outcome.rootReason;
    case FolderOutcome::Root::Walked: break;
  }
  return "";
}

std::string folderMessage(const FolderOutcome& outcome) {
  std::string text = std::to_string(outcome.wiped) + "File(s) wiped";
  if (outcome.linksRemoved > 0)
    text += "\n" + std::to_string(outcome.linksRemoved) + " link(s) removed; what they lead to was left alone";
  if (outcome.relocating > 0)
    text += "\n" + std::to_string(outcome.relocating) + " of them were compressed, sparse or encrypted. " + kRelocatingWhy;
  if (outcome.cancelled)
    text += "\nCancelled: " + std::to_string(outcome.notReached) + " file(s) were left as they were";
  const auto& left = outcome.leftBehind;
  if (left.empty()) return text;
  text.append("\n").append(std::to_string(left.size())).append(" item(s) could not be wiped:");
  for (std::size_t i = 0; i < left.size() && i < kNamedFailures; ++i)
    text.append("\n").append(shownPath(left[i].path)).append(": ").append(left[i].reason);
  if (left.size() > kNamedFailures) text += "\n...";
  return text;
}

std::string nameOf(const std::string& path, char separator) {
  const auto cut = path.find_last_of(std::string{separator, '/'});
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string fileMessage(const std::string& name, const Shred& shred) {
  switch (shred.end) {
    case ShredEnd::Wiped:
      if (shred.relocating) return name + " wiped\nIt was compressed, sparse or encrypted. " + kRelocatingWhy;
      return name + " wiped";
    case ShredEnd::LinkRemoved:
      return name + " was a link: the link was removed, and what it leads to was left alone.";
    case ShredEnd::SharedData:
      return name + " was not wiped: " + kSharedDataReason + ". " +
             (shred.nameRemoved ? "Only this name was deleted." : "This name was left in place.");
    default:
      return name + " could not be wiped: " + shred.reason;
  }
}

}  // namespace

WipeOutcome runWipe(Files& files, const WipeOrder& order, WipeRun& run, ShredControl& control) {
  WipeOutcome outcome;
  // The names are opened and the folder walked before anything is written, so the total is known.
  Tree walked, dropped = openNamed(files, order.files);
  if (!order.folder.empty()) {
    outcome.folder.emplace();
    walked = openFolderTarget(files, order.folder, *outcome.folder);
  }
  const bool withFile = !order.file.empty();
  std::uint64_t total = withFile ? bytesToWrite(files, order.file, order.passes) : 0;
  total += bytesToWrite(dropped, order.passes) + bytesToWrite(walked, order.passes);
  run.setTotal((withFile ? 1 : 0) + dropped.files.size() + walked.files.size(), total);
  control.written = [&run](std::uint64_t bytes) { run.written(bytes); };

  std::size_t number = 1;
  if (withFile) {
    run.fileStarted(number++, order.file);
    outcome.file = shredFile(files, order.file, order.passes, &control);
  }
  // Several dropped files are told of together, as a folder's are.
  if (!order.files.empty()) {
    outcome.dropped.emplace();
    shredTree(dropped, number, order.passes, run, control, *outcome.dropped);
    number += dropped.files.size();
  }
  if (outcome.folder && outcome.folder->root == FolderOutcome::Root::Walked)
    shredTree(walked, number, order.passes, run, control, *outcome.folder);
  control.written = nullptr;
  return outcome;
}

std::vector<ClosingMessage> closingMessages(const WipeOrder& order, const WipeOutcome& outcome, char separator) {
  std::vector<ClosingMessage> boxes;
  if (const auto& shred = outcome.file) {
    const bool clean = *shred || shred->end == ShredEnd::LinkRemoved;
    boxes.push_back({fileMessage(nameOf(order.file, separator), *shred),
                     clean ? MsgIcon::Information : MsgIcon::Exclamation});
  }
  for (const auto* folder : {&outcome.dropped, &outcome.folder}) {
    if (!*folder) continue;
    if ((*folder)->root != FolderOutcome::Root::Walked) {
      const bool removed = (*folder)->root == FolderOutcome::Root::LinkRemoved;
      boxes.push_back({rootMessage(order.folder, **folder), removed ? MsgIcon::Information : MsgIcon::Exclamation});
      continue;
    }
    const bool clean = (*folder)->leftBehind.empty() && !(*folder)->cancelled;
    boxes.push_back({folderMessage(**folder), clean ? MsgIcon::Information : MsgIcon::Exclamation});
  }
  return boxes;
}

}  // namespace vellox
