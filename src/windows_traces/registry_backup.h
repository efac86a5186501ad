#pragma once
#include <cstddef>
#include <string>
#include <vector>
#include "platform/files.h"
#include "platform/system_folders.h"
#include "windows_traces/registry_traces.h"

namespace vellox {

inline constexpr int kBackupDays = 30;

// %LOCALAPPDATA%\Tarn Vellox\backup; empty when the user has no local app-data folder.
std::string backupFolder(SystemFolders& system, Files& files);

// Saves the keys as a .reg file named after `localTime` ("2026-12-08 07:40:05" becomes
// "2026-12-08 07-40-05.reg", a second one in that second " (2).reg") in `folder`, making the
// folder when it is missing. The file's path, or empty with `status` saying why.
std::string writeRegistryBackup(Files& files, const std::string& folder, const std::string& localTime,
                                const std::vector<KeyValues>& keys, FileStatus& status);

// The day a backup's name gives, as days since 1970-01-01; -1 for a name that is not a backup's.
long backupDay(const std::string& name);
// Days since 1970-01-01 of a "2026-12-08 ..." text; -1 when it is not one.
long dayOf(const std::string& localTime);

// Deletes the backups in `folder` whose names date them more than kBackupDays before `today`
// (a day of dayOf); files of other names are never touched. How many went.
std::size_t deleteOldBackups(Files& files, const std::string& folder, long today);

// At start-up: deletes the old backups and, when any went, says so in one line of the
// clean log. `localTime` is now, as "2026-12-08 07:40:05".
void dropOldBackups(Files& files, SystemFolders& system, const std::string& localTime);

}  // namespace vellox
