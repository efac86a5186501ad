#include "wipe/wipe_targets.h"
#include "wipe/dropped_targets.h"
#include "wipe/left_behind.h"

namespace vellox {

namespace {

std::string trimmed(const std::string& text, const char* blanks = " \t\r\n") {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Blanks around typed text do not count, but a name may end with one: `report ` is not
// `report`, and dropped files and Explorer hand over such names exactly. Trailing blanks are
// kept when the name with them exists.
std::string targetText(Files& files, const std::string& text) {
  const std::string exact = trimmed(text, "\t\r\n");
  if (exact.empty() || exact.back() != ' ') return exact;
  const auto literal = files.literalPath(exact);
  FileFacts facts;
  return literal && files.fileFacts(*literal, facts).ok() ? exact : trimmed(exact);
}

// The literal path of a field's text, or the text in `refused`.
std::string literalOf(Files& files, const std::string& text, std::vector<std::string>& refused) {
  const std::string target = targetText(files, text);
  if (target.empty()) return "";
  auto literal = files.literalPath(target);
  if (!literal) refused.push_back(target);
  return literal.value_or("");
}

// How many files of a list the warning names before it only counts the rest.
constexpr std::size_t kNamedFiles = 10;

std::string filesPhrase(const std::vector<std::string>& files) {
  std::string text = "the " + std::to_string(files.size()) + " files ";
  for (std::size_t i = 0; i < files.size() && i < kNamedFiles; ++i) text += (i ? ", " : "") + shownPath(files[i]);
  if (files.size() > kNamedFiles) text += ", and " + std::to_string(files.size() - kNamedFiles) + " more";
  return text;
}

}  // namespace

WipeTargets wipeTargets(Files& files, const std::string& fileText, const std::string& folderText,
                        const std::vector<std::string>& fileList) {
  WipeTargets targets;
  const std::vector<std::string> named = fileTargets(targetText(files, fileText), fileList);
  if (named.size() == 1) {
    targets.file = literalOf(files, named.front(), targets.refused);
  } else {
    for (const auto& path : named) targets.files.push_back(literalOf(files, path, targets.refused));
  }
  targets.folder = literalOf(files, folderText, targets.refused);
  if (!targets.folder.empty() && targets.folder.back() != files.separator()) targets.folder += files.separator();
  return targets;
}

std::string targetLine(const WipeTargets& targets) {
  const std::string file =
      targets.files.empty() ? "the file " + shownPath(targets.file) : filesPhrase(targets.files);
  const bool withFile = !targets.file.empty() || !targets.files.empty();
  const std::string folder = "every file in " + shownPath(targets.folder);
  if (withFile && !targets.folder.empty()) return "Targets: " + file + ", and " + folder;
  if (withFile) return "Target: " + file;
  if (!targets.folder.empty()) return "Target: " + folder;
  return "";
}

std::string refusalMessage(const std::vector<std::string>& refused) {
  std::string text = refused.size() == 1 ? "Nothing was wiped. This is not a full path:"
                                         : "Nothing was wiped. These are not full paths:";
  for (const auto& target : refused) text += "\n" + target;
  return text + "\nGive the whole path, from a drive such as C:\\ or from \\\\server\\share.";
}

}  // namespace vellox
