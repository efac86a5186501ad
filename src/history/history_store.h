#pragma once
#include "platform/services.h"

namespace vellox {

// Creates `historyStore`, the one shared history collection, at start-up.
// A store that cannot be opened leaves the program running.
void createHistoryStore(Services& services);

}  // namespace vellox
