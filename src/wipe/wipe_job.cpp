#include "wipe/wipe_job.h"
#include "wipe/mod_enum_files.h"

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

// Links go as names; what they lead to is never touched.
void removeLinks(Files& files, const std::vector<std::string>& links, ShredControl& control, FolderOutcome& outcome) {
  for (const auto& link : links) {
    if (control.stopped()) {
      ++outcome.notReached;
      continue;
    }
    const FileStatus removed = files.removeLink(link);
    if (removed.ok()) {
      ++outcome.linksRemoved;
    } else {
      outcome.leftBehind.push_back({link, "the link could not be removed: " + causeOf(removed)});
    }
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

FolderOutcome shredFolder(Files& files, const std::vector<std::string>& foundFiles, const WalkResult& walk,
                          std::size_t firstNumber, int passes, WipeRun& run, ShredControl& control) {
  // Distinct bytes: the batch may report from several threads at once.
  std::vector<std::uint8_t> started(foundFiles.size(), 0);
  // A batch announces even the files it then skips as cancelled: only one started
  // before the stop can have been touched.
  control.started = [&](std::size_t index) {
    started[index] = control.stopped() ? 0 : 1;
    run.fileStarted(firstNumber + index - 1, foundFiles[index]);
  };
  const std::vector<Shred> results = shredFiles(files, foundFiles, 1, passes, control);
  control.started = nullptr;
  FolderOutcome outcome;
  for (std::size_t i = 0; i < results.size(); ++i) tally(foundFiles[i + 1], results[i], started[i + 1], outcome);
  removeLinks(files, walk.links, control, outcome);
  outcome.leftBehind.insert(outcome.leftBehind.end(), walk.skipped.begin(), walk.skipped.end());
  outcome.cancelled = control.stopped();
  return outcome;
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
  std::vector<std::string> foundFiles(1);
  WalkResult walk;
  if (!order.folder.empty()) {
    std::string walked = order.folder;
    walk = enumFiles(files, foundFiles, walked);
  }
  const bool withFile = !order.file.empty();
  std::vector<std::string> dropped(1);
  dropped.insert(dropped.end(), order.files.begin(), order.files.end());
  std::uint64_t total = withFile ? bytesToWrite(files, order.file, order.passes) : 0;
  for (std::size_t i = 1; i < dropped.size(); ++i) total += bytesToWrite(files, dropped[i], order.passes);
  for (std::size_t i = 1; i < foundFiles.size(); ++i) total += bytesToWrite(files, foundFiles[i], order.passes);
  run.setTotal((withFile ? 1 : 0) + order.files.size() + foundFiles.size() - 1, total);
  control.written = [&run](std::uint64_t bytes) { run.written(bytes); };

  WipeOutcome outcome;
  std::size_t number = 1;
  if (withFile) {
    run.fileStarted(number++, order.file);
    outcome.file = shredFile(files, order.file, order.passes, &control);
  }
  // Several dropped files are told of together, as a folder's are.
  if (!order.files.empty()) {
    outcome.dropped = shredFolder(files, dropped, WalkResult{}, number, order.passes, run, control);
    number += order.files.size();
  }
  if (!order.folder.empty())
    outcome.folder = shredFolder(files, foundFiles, walk, number, order.passes, run, control);
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
    const bool clean = (*folder)->leftBehind.empty() && !(*folder)->cancelled;
    boxes.push_back({folderMessage(**folder), clean ? MsgIcon::Information : MsgIcon::Exclamation});
  }
  return boxes;
}

}  // namespace vellox
