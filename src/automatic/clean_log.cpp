#include "automatic/clean_log.h"
#include "wipe/shred_file.h"

namespace vellox {

namespace {

constexpr const char* kFolderName = "Tarn Vellox";
constexpr const char* kLogName = "clean.log";
constexpr const char* kOldLogName = "clean.log.1";

std::string folderOf(const std::string& path, char separator) {
  const auto cut = path.find_last_of(separator);
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

// The current log becomes the old one; the old one before it goes. The only place the log
// deletes or renames a file.
FileStatus rotate(Files& files, const std::string& path, char separator) {
  const std::string old = folderOf(path, separator) + separator + kOldLogName;
  if (FileStatus gone = deleteName(files, old); !gone.ok() && gone.code != FileErrc::NotFound) return gone;
  return renameName(files, path, kOldLogName);
}

}  // namespace

std::string cleanLogPath(SystemFolders& system, Files& files) {
  const std::string local = system.appDataFolders().local;
  if (local.empty()) return {};
  const char separator = files.separator();
  std::string folder = local;
  if (folder.back() != separator) folder += separator;
  return folder + kFolderName + separator + kLogName;
}

FileStatus appendCleanLog(Files& files, const std::string& path, const std::string& line) {
  const char separator = files.separator();
  if (FileStatus made = files.createFolder(folderOf(path, separator)); !made.ok()) return made;
  const std::string text = line + "\r\n";
  std::uint64_t length = 0;
  // A log that cannot be rotated (a viewer holds it, or the old one) grows past the limit
  // rather than lose the line.
  if (files.fileLength(path, length).ok() && length > 0 && length + text.size() > kCleanLogLimit)
    rotate(files, path, separator);
  FileStatus status;
  auto log = files.openForWrite(path, status);
  if (!log) return status;
  if (!log->length(length).ok()) length = 0;
  status = log->writeAt(length, text.data(), text.size());
  return status.ok() ? log->flush() : status;
}

}  // namespace vellox
