#include "windows_traces/recent_docs.h"
#include <memory>

namespace vellox {

namespace {
constexpr const char* kRecentDocs = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";

void read(Registry& registry, const std::string& key, RecentDocs& recent) {
  std::unique_ptr<RegistryKey> open;
  if (registry.open(RegRoot::CurrentUser, key, RegAccess::Default, open) != kRegOk) return;
  recent.keys.push_back({key, {}});
  if (open->values(recent.keys.back().values) != kRegOk) recent.keys.back().values.clear();
  std::vector<std::string> names;
  if (open->subkeys(names) != kRegOk) return;
  for (const auto& name : names) read(registry, key + "\\" + name, recent);
}
}  // namespace

RecentDocs readRecentDocs(Registry& registry) {
  RecentDocs recent;
  read(registry, kRecentDocs, recent);
  return recent;
}

void putBackRecentDocs(Registry& registry, const RecentDocs& recent, bool listsCleaned) {
  for (const auto& [key, values] : recent.keys) {
    std::unique_ptr<RegistryKey> open;
    if (registry.open(RegRoot::CurrentUser, key, RegAccess::Write, open) != kRegOk) continue;
    for (const auto& value : values)
      if (!listsCleaned || !isListValue(value.name)) open->setData(value.name, value.type, value.data);
  }
}

}  // namespace vellox
