#pragma once
#include <optional>
#include <string>
#include <vector>
#include "platform/files.h"

namespace vellox {

// Where paths dropped on the Secure Wipe tab, or handed over by Explorer, go.
struct TargetPlacement {
  std::optional<std::string> folder;  // the "Wipe Folder" field's new text
  std::optional<std::string> file;    // the "Wipe File" field's new text
  // Several files: the list "Wipe File" stands for while it shows fileListLabel.
  std::vector<std::string> fileList;
  // Not empty: nothing changes, and this says why.
  std::string refusal;
};

// A folder goes to "Wipe Folder", a file to "Wipe File"; several files become one list.
// A path that cannot be read is taken as a file, so the wipe itself says what is wrong.
TargetPlacement placeTargets(Files& files, const std::vector<std::string>& paths);

// What "Wipe File" shows for a list of files: "N files".
std::string fileListLabel(std::size_t count);

// The files "Wipe File" stands for: the list while the field shows its label, else the field's text.
std::vector<std::string> fileTargets(const std::string& fieldText, const std::vector<std::string>& fileList);

}  // namespace vellox
