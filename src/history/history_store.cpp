#include "history/history_store.h"

namespace vellox {

void createHistoryStore(Services&) {}

}  // namespace vellox
