#pragma once
#include "automatic/auto_clean.h"

namespace vellox {

// One store each; every step adds what it cleaned or why it did not.
void cleanCookieFolder(Services& services, const AutoOptions& options, CleanBudget& budget, CleanReport& report);
void cleanUrlCache(Services& services, const AutoOptions& options, CleanBudget& budget, CleanReport& report);
void clearHistoryStore(Services& services, std::unique_ptr<CURLHistory>& historyStore, CleanReport& report);
void clearTemporaryFolder(Services& services, const AutoOptions& options, CleanBudget& budget, CleanReport& report);
void emptyTheRecycleBin(Services& services, CleanReport& report);

}  // namespace vellox
