#pragma once
#include <vector>
#include "platform/settings_store.h"
#include "windows_traces/trace_items.h"

namespace vellox {

// The Windows tab's checked rows ("windowsitems"), for the tab and the automatic clean.
TraceChoices storedTraceChoices(SettingsStore& settings);
void saveTraceChoices(SettingsStore& settings, const TraceChoices& choices);
// The checked items in the table's order.
std::vector<TraceItem> checkedTraceItems(const TraceChoices& choices);

}  // namespace vellox
