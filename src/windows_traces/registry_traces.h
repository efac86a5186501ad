#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "platform/registry.h"
#include "windows_traces/trace_items.h"

namespace vellox {

// A key of HKEY_CURRENT_USER and values of it.
struct KeyValues {
  std::string key;
  std::vector<RegValue> values;
};

// What a registry item removes, read before anything goes so it can be backed up first.
struct RegistryPlan {
  std::vector<KeyValues> values;  // these values go, their keys stay
  std::vector<std::string> trees;  // these keys go with all below them
  std::vector<KeyValues> treeKeys;  // every key of the trees, parents first, with all its values
  bool empty() const { return values.empty() && treeKeys.empty(); }
  // What the backup holds: the keys of the trees, then the keys whose values go.
  std::vector<KeyValues> backup() const;
};

// The item's counts, read without reading values' data where counts suffice.
struct RegistryCount {
  std::uint64_t entries = 0;   // Explorer history's lists, UserAssist's programs, ShellBags' folders
  std::uint64_t searches = 0;  // Explorer history's search box
  std::uint64_t views = 0;     // ShellBags' folder views
};

bool isRegistryItem(TraceItem item);
// Values of Explorer's lists: the entries ("0", "a", "url1") and their order ("MRUList", "MRUListEx").
bool isListValue(const std::string& name);

// A name a .reg file can hold: no line break in it. What a backup cannot hold is not removed.
bool regWritableName(const std::string& name);

RegistryCount countRegistryItem(Registry& registry, TraceItem item);
RegistryPlan planRegistryItem(Registry& registry, TraceItem item);
// "12 items, 3 searches", "40 folders, 7 views", "nothing".
std::string registryFound(TraceItem item, const RegistryCount& count);

struct RegistryRemoved {
  std::uint64_t removed = 0;  // values and keys that went
  std::uint64_t failed = 0;
};
// Removes what the plan names; a value or key already gone counts as neither.
RegistryRemoved removePlanned(Registry& registry, const RegistryPlan& plan);

}  // namespace vellox
