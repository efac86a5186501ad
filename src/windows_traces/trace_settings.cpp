#include "windows_traces/trace_settings.h"
#include "common/app_identity.h"

namespace vellox {

namespace {
constexpr const char* kSection = "Settings";
constexpr const char* kChoicesKey = "windowsitems";
}  // namespace

TraceChoices storedTraceChoices(SettingsStore& settings) {
  return TraceChoices::parse(settings.getSetting(kAppTitle, kSection, kChoicesKey, ""));
}

void saveTraceChoices(SettingsStore& settings, const TraceChoices& choices) {
  settings.saveSetting(kAppTitle, kSection, kChoicesKey, choices.text());
}

std::vector<TraceItem> checkedTraceItems(const TraceChoices& choices) {
  std::vector<TraceItem> items;
  for (const auto& info : traceItems())
    if (choices.checked(info.item)) items.push_back(info.item);
  return items;
}

}  // namespace vellox
