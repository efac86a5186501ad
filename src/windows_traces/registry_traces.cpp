#include "windows_traces/registry_traces.h"
#include <algorithm>
#include <functional>
#include <memory>
#include "browsers/found_text.h"

namespace vellox {

namespace {

constexpr const char* kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
constexpr const char* kSearches = "\\WordWheelQuery";

std::vector<std::string> explorerHistoryKeys() {
  std::vector<std::string> keys;
  for (const char* name : {"\\RecentDocs", "\\RunMRU", "\\TypedPaths", kSearches, "\\ComDlg32\\OpenSavePidlMRU",
                           "\\ComDlg32\\LastVisitedPidlMRU", "\\ComDlg32\\CIDSizeMRU"})
    keys.push_back(kExplorer + std::string(name));
  return keys;
}

// The folder records and view settings, as Explorer keeps them in both places.
std::vector<std::string> shellBagTrees(const char* which) {
  std::vector<std::string> trees;
  for (const char* shell : {"Software\\Microsoft\\Windows\\Shell",
                            "Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\Shell"})
    trees.push_back(std::string(shell) + "\\" + which);
  return trees;
}

bool allDigits(const std::string& text, std::size_t from = 0) {
  return text.size() > from && std::all_of(text.begin() + from, text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isOrder(const std::string& name) { return name == "MRUList" || name == "MRUListEx"; }

std::unique_ptr<RegistryKey> openToRead(Registry& registry, const std::string& key) {
  std::unique_ptr<RegistryKey> open;
  if (registry.open(RegRoot::CurrentUser, key, RegAccess::Default, open) != kRegOk) return nullptr;
  return open;
}

// Visits the key and every key below it, parents first; keys that cannot be read are passed over.
void walk(Registry& registry, const std::string& key, const std::function<void(const std::string&, RegistryKey&)>& visit) {
  auto open = openToRead(registry, key);
  if (!open) return;
  visit(key, *open);
  std::vector<std::string> names;
  if (open->subkeys(names) != kRegOk) return;
  open.reset();
  for (const auto& name : names) walk(registry, key + "\\" + name, visit);
}

std::vector<RegValue> valuesOf(RegistryKey& key) {
  std::vector<RegValue> values;
  if (key.values(values) != kRegOk) values.clear();
  return values;
}

std::vector<std::string> userAssistCounts(Registry& registry) {
  std::vector<std::string> keys, names;
  const std::string root = kExplorer + std::string("\\UserAssist");
  if (auto open = openToRead(registry, root); !open || open->subkeys(names) != kRegOk) return keys;
  for (const auto& name : names) keys.push_back(root + "\\" + name + "\\Count");
  return keys;
}

void countExplorerHistory(Registry& registry, RegistryCount& count) {
  for (const auto& top : explorerHistoryKeys()) {
    const bool searches = top == kExplorer + std::string(kSearches);
    walk(registry, top, [&](const std::string&, RegistryKey& key) {
      for (const auto& value : valuesOf(key))
        if (isListValue(value.name) && !isOrder(value.name)) ++(searches ? count.searches : count.entries);
    });
  }
}

void countShellBags(Registry& registry, RegistryCount& count) {
  for (const auto& tree : shellBagTrees("BagMRU"))
    walk(registry, tree, [&](const std::string&, RegistryKey& key) {
      for (const auto& value : valuesOf(key)) count.entries += allDigits(value.name);
    });
  for (const auto& tree : shellBagTrees("Bags")) {
    std::size_t subkeys = 0, values = 0;
    if (auto open = openToRead(registry, tree); open && open->counts(subkeys, values) == kRegOk) count.views += subkeys;
  }
}

void planTrees(Registry& registry, const std::vector<std::string>& trees, RegistryPlan& plan) {
  for (const auto& tree : trees) {
    std::vector<KeyValues> keys;
    bool writable = true;
    walk(registry, tree, [&](const std::string& key, RegistryKey& open) {
      keys.push_back({key, valuesOf(open)});
      writable = writable && regWritableName(key);
      for (const auto& value : keys.back().values) writable = writable && regWritableName(value.name);
    });
    if (keys.empty() || !writable) continue;
    plan.trees.push_back(tree);
    plan.treeKeys.insert(plan.treeKeys.end(), keys.begin(), keys.end());
  }
}

void planValues(RegistryPlan& plan, const std::string& key, std::vector<RegValue> values,
                const std::function<bool(const RegValue&)>& goes) {
  values.erase(std::remove_if(values.begin(), values.end(),
                              [&](const RegValue& v) { return !goes(v) || !regWritableName(v.name); }),
               values.end());
  if (!values.empty() && regWritableName(key)) plan.values.push_back({key, std::move(values)});
}

}  // namespace

std::vector<KeyValues> RegistryPlan::backup() const {
  std::vector<KeyValues> keys = treeKeys;
  keys.insert(keys.end(), values.begin(), values.end());
  return keys;
}

bool regWritableName(const std::string& name) { return name.find_first_of("\r\n") == std::string::npos; }

bool isRegistryItem(TraceItem item) {
  return item == TraceItem::ExplorerHistory || item == TraceItem::ShellBags || item == TraceItem::UserAssist;
}

bool isListValue(const std::string& name) {
  if (isOrder(name) || allDigits(name)) return true;
  if (name.size() == 1) return name[0] >= 'a' && name[0] <= 'z';
  return name.compare(0, 3, "url") == 0 && allDigits(name, 3);
}

RegistryCount countRegistryItem(Registry& registry, TraceItem item) {
  RegistryCount count;
  if (item == TraceItem::ExplorerHistory) countExplorerHistory(registry, count);
  if (item == TraceItem::ShellBags) countShellBags(registry, count);
  if (item == TraceItem::UserAssist)
    for (const auto& key : userAssistCounts(registry)) {
      std::size_t subkeys = 0, values = 0;
      if (auto open = openToRead(registry, key); open && open->counts(subkeys, values) == kRegOk)
        count.entries += values;
    }
  return count;
}

RegistryPlan planRegistryItem(Registry& registry, TraceItem item) {
  RegistryPlan plan;
  if (item == TraceItem::ExplorerHistory)
    for (const auto& top : explorerHistoryKeys())
      walk(registry, top, [&](const std::string& key, RegistryKey& open) {
        planValues(plan, key, valuesOf(open), [](const RegValue& v) { return isListValue(v.name); });
      });
  if (item == TraceItem::ShellBags) {
    planTrees(registry, shellBagTrees("BagMRU"), plan);
    planTrees(registry, shellBagTrees("Bags"), plan);
  }
  if (item == TraceItem::UserAssist)
    for (const auto& key : userAssistCounts(registry))
      if (auto open = openToRead(registry, key))
        planValues(plan, key, valuesOf(*open), [](const RegValue&) { return true; });
  return plan;
}

std::string registryFound(TraceItem item, const RegistryCount& count) {
  std::vector<std::string> parts;
  if (item == TraceItem::ExplorerHistory) {
    if (count.entries) parts.push_back(counted(count.entries, "item", "items"));
    if (count.searches) parts.push_back(counted(count.searches, "search", "searches"));
  } else if (item == TraceItem::ShellBags) {
    if (count.entries) parts.push_back(counted(count.entries, "folder", "folders"));
    if (count.views) parts.push_back(counted(count.views, "view", "views"));
  } else if (count.entries) {
    parts.push_back(counted(count.entries, "entry", "entries"));
  }
  if (parts.empty()) return "nothing";
  std::string text = parts[0];
  for (std::size_t i = 1; i < parts.size(); ++i) text += ", " + parts[i];
  return text;
}

RegistryRemoved removePlanned(Registry& registry, const RegistryPlan& plan) {
  RegistryRemoved result;
  auto tally = [&](long rc) {
    if (rc == kRegOk) ++result.removed;
    else if (rc != kRegFileNotFound) ++result.failed;
  };
  for (const auto& [key, values] : plan.values) {
    // Opened to read first: opening to write would make a key that went meanwhile.
    if (!openToRead(registry, key)) continue;
    std::unique_ptr<RegistryKey> open;
    if (registry.open(RegRoot::CurrentUser, key, RegAccess::Write, open) != kRegOk) {
      result.failed += values.size();
      continue;
    }
    for (const auto& value : values) tally(open->deleteValue(value.name));
  }
  for (const auto& tree : plan.trees) tally(registry.deleteTree(RegRoot::CurrentUser, tree));
  return result;
}

}  // namespace vellox
