#include "free_space/fill_folder.h"
#include <algorithm>
#include <cctype>
#include "automatic/clean_log.h"
#include "automatic/clean_report.h"
#include "browsers/found_text.h"
#include "erase/named_files.h"
#include "free_space/fill_names.h"

namespace vellox {

namespace {

// Volume roots differ only in the case of their drive letter.
bool sameRoot(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

std::string withSeparator(std::string path, char separator) {
  if (!path.empty() && path.back() != separator) path += separator;
  return path;
}

// Through the gate, as every removal the program chooses: only fill files, never through a link.
void cleanFolder(Files& files, const ScopeRule& rule, const std::string& folder, LeftoverCleanup& cleanup) {
  if (rule.refusal(folder)) return;
  const NamedFilesRemoved done = removeNamedFiles(files, folder, isFillFileName, true);
  cleanup.files += done.removed;
  cleanup.folders += done.folderRemoved;
  cleanup.failures += done.failed + (done.listed && !done.others && !done.folderRemoved);
  if (done.removed || done.failed || (done.listed && !done.others)) cleanup.places.push_back(folder);
}

}  // namespace

std::string fillFolderFor(FreeSpace& space, Files& files, const Drive& drive) {
  const std::string temp = files.tempPath();
  const char separator = files.separator();
  if (!temp.empty() && sameRoot(space.volumeOf(temp), drive.root))
    return withSeparator(temp, separator) + kFillFolderName + separator;
  return withSeparator(drive.root, separator) + kFillFolderName + separator;
}

LeftoverCleanup removeFillLeftovers(FreeSpace& space, Files& files, const ScopeRule& rule) {
  LeftoverCleanup cleanup;
  std::vector<std::string> folders;
  const char separator = files.separator();
  if (const std::string temp = files.tempPath(); !temp.empty())
    folders.push_back(withSeparator(temp, separator) + kFillFolderName + separator);
  for (const auto& drive : space.writableDrives())
    folders.push_back(withSeparator(drive.root, separator) + kFillFolderName + separator);
  for (const auto& folder : folders) cleanFolder(files, rule, folder, cleanup);
  return cleanup;
}

std::string leftoverLogLine(const LeftoverCleanup& cleanup) {
  if (cleanup.places.empty()) return {};
  std::string line = "Removed what an interrupted free-space wipe left: " +
                     counted(cleanup.files, "fill file", "fill files") + " and " +
                     counted(cleanup.folders, "folder", "folders");
  if (cleanup.failures) line += "; " + counted(cleanup.failures, "item", "items") + " could not be removed";
  line += " (";
  for (std::size_t i = 0; i < cleanup.places.size(); ++i) line += (i ? ", " : "") + cleanup.places[i];
  return line + ")";
}

LeftoverCleanup recoverFillLeftovers(FreeSpace& space, Files& files, SystemFolders& system) {
  const LeftoverCleanup cleanup = removeFillLeftovers(space, files, ScopeRule(system, {}));
  const std::string line = leftoverLogLine(cleanup);
  const std::string log = line.empty() ? std::string() : cleanLogPath(system, files);
  if (!log.empty())
    appendCleanLog(files, log, localTimeText(std::chrono::system_clock::now()) + " | start-up | " + line);
  return cleanup;
}

}  // namespace vellox
