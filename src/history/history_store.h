#pragma once
#include <memory>
#include "history/curl_history.h"
#include "platform/services.h"

namespace vellox {

// The one shared history collection; null while the store cannot be opened.
extern std::unique_ptr<CURLHistory> historyStore;

// Creates `historyStore` at start-up. A store that cannot be opened or read
// leaves the program running: the history tab reports it when it is shown.
void createHistoryStore(Services& services);

// The shared collection, opening the store first when start-up could not.
// The error when it still cannot be opened.
HResult ensureHistoryStore(Services& services);

}  // namespace vellox
