#pragma once
#include <vector>
#include "platform/registry.h"
#include "windows_traces/registry_traces.h"

namespace vellox {

// Explorer's recent-documents key with every key and value below it. The shell's own
// clearing of its recent list deletes this key whole, Explorer history or not.
struct RecentDocs {
  std::vector<KeyValues> keys;  // parents first
};

RecentDocs readRecentDocs(Registry& registry);

// Puts back what the shell took beyond the user's choice: everything, or with Explorer
// history cleaned, every value but the lists' own.
void putBackRecentDocs(Registry& registry, const RecentDocs& recent, bool listsCleaned);

}  // namespace vellox
