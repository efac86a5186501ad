#pragma once
#include <string>
#include "platform/settings_store.h"

namespace vellox {

// The stored options as the window loads them, for when no window holds them.
// A check box's value (0, 1 or 2); a missing or bad text is 0.
int storedCheck(SettingsStore& settings, const std::string& key);
// Whether the stored shredding level is Quick (3 passes) rather than US DOD (7).
bool storedQuick(SettingsStore& settings);

}  // namespace vellox
