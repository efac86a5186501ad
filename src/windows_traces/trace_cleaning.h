#pragma once
#include <functional>
#include <string>
#include <vector>
#include "platform/services.h"
#include "wipe/shred_control.h"
#include "windows_traces/trace_items.h"

namespace vellox {

// The row's "Found": what the item holds now, read without changing anything.
std::string analyzeTrace(Services& services, TraceItem item);

struct TracesCleaned {
  std::vector<std::string> cleaned;     // "Recent items: 12 items"
  std::vector<std::string> notCleaned;  // "Thumbnail cache: 2 files in use"
  std::string backupPath;               // the .reg file of what left the registry; empty when none
};

// Cleans the items in the table's order. Registry keys and values are saved to one backup
// file first, and none goes when it cannot be written. With `securePasses` above 0 the files
// that go are shredded first. `localTime` ("2026-12-08 07:40:05") names the backup; `status`
// (may be empty) hears each item's turn; a cancel stops between items.
TracesCleaned cleanTraces(Services& services, const std::vector<TraceItem>& items, const std::string& localTime,
                          int securePasses, const ShredControl& control,
                          const std::function<void(const std::string&)>& status = {});

// The one closing message: what went, what did not and why, and the backup's name.
std::string tracesMessage(const TracesCleaned& result);

}  // namespace vellox
