#include "windows_traces/registry_backup.h"
#include "automatic/clean_log.h"
#include "browsers/found_text.h"
#include "erase/named_files.h"
#include "windows_traces/reg_file.h"

namespace vellox {

namespace {

constexpr const char* kExtension = ".reg";

// Days since 1970-01-01 of a civil date (Howard Hinnant's algorithm).
long daysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

// Digits at the given places and `marks` at the others: "dddd-dd-dd dd?dd?dd" and the like.
bool shaped(const std::string& text, const char* shape) {
  const std::string s = shape;
  if (text.size() < s.size()) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (s[i] == 'd' ? !digit : text[i] != s[i]) return false;
  }
  return true;
}

std::string stampOf(const std::string& localTime) {
  std::string stamp = localTime.substr(0, 19);
  for (char& c : stamp)
    if (c == ':') c = '-';
  return stamp;
}

// Writes into a file that did not exist a moment before: the program's own new backup.
FileStatus writeNewFile(Files& files, const std::string& path, const std::vector<std::uint8_t>& bytes) {
  FileStatus status;
  auto file = files.openForWrite(path, status);
  if (!file) return status;
  status = file->writeAt(0, bytes.data(), bytes.size());
  return status.ok() ? file->flush() : status;
}

}  // namespace

std::string backupFolder(SystemFolders& system, Files& files) {
  std::string local = system.appDataFolders().local;
  if (local.empty()) return {};
  const char separator = files.separator();
  if (local.back() != separator) local += separator;
  return local + "Tarn Vellox" + separator + "backup";
}

std::string writeRegistryBackup(Files& files, const std::string& folder, const std::string& localTime,
                                const std::vector<KeyValues>& keys, FileStatus& status) {
  if (folder.empty()) {
    status = {FileErrc::NotFound, 0, "There is no local application data folder to keep it in."};
    return {};
  }
  if (status = files.createFolder(folder); !status.ok()) return {};
  const std::string base = folder + files.separator() + stampOf(localTime);
  for (int n = 1; n < 100; ++n) {
    const std::string path = base + (n == 1 ? "" : " (" + std::to_string(n) + ")") + kExtension;
    FileFacts facts;
    if (files.fileFacts(path, facts).code != FileErrc::NotFound) continue;
    status = writeNewFile(files, path, regFileBytes(keys));
    return status.ok() ? path : std::string();
  }
  status = {FileErrc::Other, 0, "Every backup name of this second is taken."};
  return {};
}

long dayOf(const std::string& localTime) {
  if (!shaped(localTime, "dddd-dd-dd")) return -1;
  return daysFromCivil(std::stol(localTime.substr(0, 4)), static_cast<unsigned>(std::stoul(localTime.substr(5, 2))),
                       static_cast<unsigned>(std::stoul(localTime.substr(8, 2))));
}

long backupDay(const std::string& name) {
  const std::size_t ext = std::string(kExtension).size();
  if (!shaped(name, "dddd-dd-dd dd-dd-dd") || name.size() < 19 + ext) return -1;
  if (name.compare(name.size() - ext, ext, kExtension) != 0) return -1;
  const std::string rest = name.substr(19, name.size() - 19 - ext);
  if (!rest.empty() && !(rest.size() > 3 && rest.compare(0, 2, " (") == 0 && rest.back() == ')')) return -1;
  return dayOf(name);
}

// Through the gate: only backups, in the folder itself and never through a link.
std::size_t deleteOldBackups(Files& files, const std::string& folder, long today) {
  const auto old = [&](const std::string& name) {
    const long day = backupDay(name);
    return day >= 0 && today - day > kBackupDays;
  };
  return removeNamedFiles(files, folder, old).removed;
}

void dropOldBackups(Files& files, SystemFolders& system, const std::string& localTime) {
  const std::string folder = backupFolder(system, files);
  const long today = dayOf(localTime);
  if (folder.empty() || today < 0) return;
  const std::size_t deleted = deleteOldBackups(files, folder, today);
  if (deleted == 0) return;
  const std::string log = cleanLogPath(system, files);
  if (!log.empty())
    appendCleanLog(files, log, localTime + " | start-up | deleted " + counted(deleted, "registry backup", "registry backups") +
                                   " older than " + std::to_string(kBackupDays) + " days");
}

}  // namespace vellox
