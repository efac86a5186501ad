#pragma once
#include <vector>
#include "automatic/auto_clean.h"
#include "windows_traces/trace_items.h"

namespace vellox {

// One store each; every step adds what it cleaned or why it did not.
void cleanCookieFolder(Services& services, const AutoOptions& options, CleanBudget& budget, CleanReport& report);
void cleanUrlCache(Services& services, const AutoOptions& options, CleanBudget& budget, CleanReport& report);
void clearHistoryStore(Services& services, std::unique_ptr<CURLHistory>& historyStore, CleanReport& report);
void clearTemporaryFolder(Services& services, const AutoOptions& options, CleanBudget& budget, CleanReport& report);
void emptyTheRecycleBin(Services& services, CleanReport& report);
void cleanWindowsTraces(Services& services, const std::vector<TraceItem>& items, int securePasses, CleanBudget& budget,
                        CleanReport& report);

}  // namespace vellox
