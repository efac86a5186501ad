#pragma once
#include <cstdint>
#include <string>
#include "browsers/browser_profile.h"
#include "browsers/file_items.h"
#include "erase/scope_rule.h"
#include "platform/files.h"
#include "platform/system_folders.h"
#include "windows_traces/trace_items.h"

namespace vellox {

bool isFileItem(TraceItem item);

// The item's files and folders as they are now, those held open without sharing set apart. A
// trace folder that is a link is followed where the scope rule lets its place be cleared, as
// Windows writes there; otherwise it is named in paths.linkedFolders and nothing behind it is read.
struct TraceFiles {
  ItemPaths paths;
  std::uint64_t inUse = 0;
};
TraceFiles findTraceFiles(Files& files, const ScopeRule& rule, TraceItem item);

// "1 MB in 40 files", "12 items", "3 KB in 2 files, 1 in use", "nothing".
std::string filesFound(TraceItem item, const FileTally& tally, std::uint64_t inUse);

}  // namespace vellox
