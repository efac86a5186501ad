#include <string>
#include <vector>
#include "app/app_identity.h"
#include "app/frmmain.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "wipe/mod_enum_files.h"
#include "wipe/mod_secure_wipe.h"

namespace vellox {

namespace {

constexpr const char* kWarning =
    "Warning! this will wipe the specified files and delete them. Once this is done they cannot be recovered";
// How many of the files left behind a folder wipe names.
constexpr std::size_t kNamedFailures = 5;

struct FolderOutcome {
  std::size_t wiped = 0;
  std::vector<std::string> failed;
};

std::string nameOf(const std::string& path, char separator) {
  const auto cut = path.find_last_of(std::string{separator, '/'});
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Every file of foundFiles, in order, with its path in the status bar meanwhile.
FolderOutcome shredFound(Files& files, StatusBar& status, int passes) {
  FolderOutcome outcome;
  for (std::size_t i = 1; i < foundFiles.size(); ++i) {
    status.setText("Currently wiping" + foundFiles[i]);
    if (shredFile(files, foundFiles[i], passes)) {
      ++outcome.wiped;
    } else {
      outcome.failed.push_back(foundFiles[i]);
    }
    status.setText("");
  }
  return outcome;
}

std::string folderMessage(const FolderOutcome& outcome) {
  std::string text = std::to_string(outcome.wiped) + "File(s) wiped";
  if (outcome.failed.empty()) return text;
  text.append("\n").append(std::to_string(outcome.failed.size())).append(" file(s) could not be wiped:");
  for (std::size_t i = 0; i < outcome.failed.size() && i < kNamedFailures; ++i)
    text.append("\n").append(outcome.failed[i]);
  if (outcome.failed.size() > kNamedFailures) text += "\n...";
  return text;
}

}  // namespace

void frmmain::cmdWipe_Click() {
  // The warning offers a way back: only OK wipes.
  const auto answer = services_.ui.messageBox(kWarning, kAppTitle, MsgIcon::Exclamation, MsgButtons::OkCancel,
                                              view().nativeHandle());
  if (answer == MsgAnswer::Ok) wipeOut();
}

void frmmain::wipeOut() {
  const int passes = optQuick.value() ? 3 : 7;
  auto& files = services_.files;
  const std::string file = txtFileToWipe.text();
  if (!file.empty() && fileHasData(file)) {
    bool wiped = false;
    {
      BusyPointer busy(pointer);
      wiped = shredFile(files, file, passes);
    }
    const std::string name = nameOf(file, files.separator());
    if (wiped) {
      services_.ui.messageBox(name + " wiped", kAppTitle, MsgIcon::Information, MsgButtons::Ok, view().nativeHandle());
    } else {
      services_.ui.messageBox(name + " could not be wiped: it may be in use by another program, or protected.",
                              kAppTitle, MsgIcon::Exclamation, MsgButtons::Ok, view().nativeHandle());
    }
  }
  const std::string folder = txtFolderToWipe.text();
  if (folder.empty()) return;
  FolderOutcome outcome;
  {
    BusyPointer busy(pointer);
    foundFiles.assign(1, "");
    std::string walked = folder;
    enumFiles(files, walked);
    outcome = shredFound(files, sbar, passes);
  }
  services_.ui.messageBox(folderMessage(outcome), kAppTitle,
                          outcome.failed.empty() ? MsgIcon::Information : MsgIcon::Exclamation, MsgButtons::Ok,
                          view().nativeHandle());
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
