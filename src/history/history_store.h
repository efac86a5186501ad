#pragma once
#include <memory>
#include "history/curl_history.h"
#include "platform/services.h"

namespace vellox {

// Creates `historyStore` at start-up. A store that cannot be opened or read
// leaves the program running: the history tab reports it when it is shown.
void createHistoryStore(std::unique_ptr<CURLHistory>& historyStore, Services& services);

// Opens the store into `historyStore` when start-up could not.
// The error when it still cannot be opened.
HResult ensureHistoryStore(std::unique_ptr<CURLHistory>& historyStore, Services& services);

}  // namespace vellox
