#pragma once
#include <memory>
#include "platform/download.h"
#include "platform/files.h"
#include "platform/instance.h"
#include "platform/registry.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/system_folders.h"
#include "platform/url_cache.h"
#include "platform/url_history.h"

namespace vellox::win32 {

// The real services, one factory each, built by the entry point.
std::unique_ptr<Files> makeFiles();
std::unique_ptr<Registry> makeRegistry();
std::unique_ptr<SettingsStore> makeSettingsStore();
std::unique_ptr<Shell> makeShell();
// SHEmptyRecycleBin's flags: never a confirmation; progress and sound only when `shown`.
unsigned long recycleBinFlags(bool shown);
std::unique_ptr<UrlCache> makeUrlCache();
std::unique_ptr<UrlHistoryService> makeUrlHistory();
std::unique_ptr<Download> makeDownload();
std::unique_ptr<Instance> makeInstance();
std::unique_ptr<SystemFolders> makeSystemFolders();

}  // namespace vellox::win32
