#include <string>
#include <vector>
#include "app/app_identity.h"
#include "app/frmmain.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "wipe/left_behind.h"
#include "wipe/mod_enum_files.h"
#include "wipe/mod_secure_wipe.h"
#include "wipe/wipe_targets.h"

namespace vellox {

namespace {

constexpr const char* kWarning =
    "Warning! this will wipe the specified files and delete them. Once this is done they cannot be recovered";
// How many of the items left behind a folder wipe names.
constexpr std::size_t kNamedFailures = 5;
constexpr const char* kRelocatingWhy =
    "Windows may write to such files in new places on the disk, so an overwrite may not reach their old data.";

struct FolderOutcome {
  std::size_t wiped = 0;
  std::size_t linksRemoved = 0;
  std::size_t relocating = 0;  // of those wiped: compressed, sparse or encrypted
  std::vector<LeftBehind> leftBehind;
};

std::string nameOf(const std::string& path, char separator) {
  const auto cut = path.find_last_of(std::string{separator, '/'});
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Every file of foundFiles, in order, with its path in the status bar meanwhile.
void shredFound(Files& files, const std::vector<std::string>& foundFiles, StatusBar& status, int passes,
                FolderOutcome& outcome) {
  for (std::size_t i = 1; i < foundFiles.size(); ++i) {
    status.setText("Currently wiping" + shownPath(foundFiles[i]));
    const Shred shred = shredFile(files, foundFiles[i], passes);
    if (shred) {
      ++outcome.wiped;
      outcome.relocating += shred.relocating;
    } else if (shred.end == ShredEnd::LinkRemoved) {
      ++outcome.linksRemoved;
    } else {
      outcome.leftBehind.push_back({foundFiles[i], shred.reason});
    }
    status.setText("");
  }
}

// Links go as names; what they lead to is never touched.
void removeLinks(Files& files, const std::vector<std::string>& links, FolderOutcome& outcome) {
  for (const auto& link : links) {
    const FileStatus removed = files.removeLink(link);
    if (removed.ok()) {
      ++outcome.linksRemoved;
    } else {
      outcome.leftBehind.push_back({link, "the link could not be removed: " + causeOf(removed)});
    }
  }
}

std::string folderMessage(const FolderOutcome& outcome) {
  std::string text = std::to_string(outcome.wiped) + "File(s) wiped";
  if (outcome.linksRemoved > 0)
    text += "\n" + std::to_string(outcome.linksRemoved) + " link(s) removed; what they lead to was left alone";
  if (outcome.relocating > 0)
    text += "\n" + std::to_string(outcome.relocating) + " of them were compressed, sparse or encrypted. " + kRelocatingWhy;
  const auto& left = outcome.leftBehind;
  if (left.empty()) return text;
  text.append("\n").append(std::to_string(left.size())).append(" item(s) could not be wiped:");
  for (std::size_t i = 0; i < left.size() && i < kNamedFailures; ++i)
    text.append("\n").append(shownPath(left[i].path)).append(": ").append(left[i].reason);
  if (left.size() > kNamedFailures) text += "\n...";
  return text;
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

void frmmain::cmdWipe_Click() {
  const WipeTargets targets = wipeTargets(services_.files, txtFileToWipe.text(), txtFolderToWipe.text(), droppedFiles_);
  // Nothing is wiped unless both fields name what they mean.
  if (!targets.refused.empty()) {
    services_.ui.messageBox(refusalMessage(targets.refused), kAppTitle, MsgIcon::Exclamation, MsgButtons::Ok,
                            view().nativeHandle());
    return;
  }
  const std::string line = targetLine(targets);
  // The warning offers a way back: only OK wipes.
  const auto answer = services_.ui.messageBox(line.empty() ? kWarning : kWarning + ("\n" + line), kAppTitle,
                                              MsgIcon::Exclamation, MsgButtons::OkCancel, view().nativeHandle());
  if (answer == MsgAnswer::Ok) wipeOut();
}

void frmmain::wipeOut() {
  const int passes = optQuick.value() ? 3 : 7;
  auto& files = services_.files;
  const WipeTargets targets = wipeTargets(files, txtFileToWipe.text(), txtFolderToWipe.text(), droppedFiles_);
  if (!targets.refused.empty()) return;
  if (!targets.file.empty() && fileHasData(targets.file)) {
    Shred shred;
    {
      BusyPointer busy(pointer);
      shred = shredFile(files, targets.file, passes);
    }
    const bool clean = shred || shred.end == ShredEnd::LinkRemoved;
    services_.ui.messageBox(fileMessage(nameOf(targets.file, files.separator()), shred), kAppTitle,
                            clean ? MsgIcon::Information : MsgIcon::Exclamation, MsgButtons::Ok,
                            view().nativeHandle());
  }
  // Several dropped files are told of together, as a folder's are.
  if (!targets.files.empty()) {
    FolderOutcome outcome;
    {
      BusyPointer busy(pointer);
      std::vector<std::string> listed(1);
      listed.insert(listed.end(), targets.files.begin(), targets.files.end());
      shredFound(files, listed, sbar, passes, outcome);
    }
    services_.ui.messageBox(folderMessage(outcome), kAppTitle,
                            outcome.leftBehind.empty() ? MsgIcon::Information : MsgIcon::Exclamation,
                            MsgButtons::Ok, view().nativeHandle());
  }
  if (targets.folder.empty()) return;
  FolderOutcome outcome;
  {
    BusyPointer busy(pointer);
    foundFiles.assign(1, "");
    std::string walked = targets.folder;
    WalkResult walk = enumFiles(files, foundFiles, walked);
    shredFound(files, foundFiles, sbar, passes, outcome);
    removeLinks(files, walk.links, outcome);
    outcome.leftBehind.insert(outcome.leftBehind.end(), walk.skipped.begin(), walk.skipped.end());
  }
  services_.ui.messageBox(folderMessage(outcome), kAppTitle,
                          outcome.leftBehind.empty() ? MsgIcon::Information : MsgIcon::Exclamation,
                          MsgButtons::Ok, view().nativeHandle());
}

bool frmmain::fileHasData(const std::string& path) {
  std::uint64_t length = 0;
  const FileStatus status = services_.files.fileLength(path, length);
  if (status.ok()) return length > 0;
  if (status.code != FileErrc::NotFound) {
    const std::string text =
        status.description.empty() ? "Error " + std::to_string(status.native) : status.description;
    services_.ui.messageBox(text, kAppTitle, MsgIcon::None, MsgButtons::Ok, view().nativeHandle());
  }
  return false;
}

}  // namespace vellox
