#pragma once
#include <span>
#include <string>
#include <utility>
#include "platform/settings_store.h"
#include "ui/check_box.h"

namespace vellox {

// The options "&Ok" keeps, each tab its own, read again at each opening of the window
// and by the automatic clean when no window holds them.
// A check box's value (0, 1 or 2); a missing or bad text is 0.
int storedCheck(SettingsStore& settings, const std::string& key);
// Whether the stored shredding level is Quick (3 passes) rather than US DOD (7).
bool storedQuick(SettingsStore& settings);
void saveQuick(SettingsStore& settings, bool quick);

// A check box and the key that stores it; boxes are read and written in the order given.
using StoredBox = std::pair<const char*, CheckBox*>;
void loadBoxes(SettingsStore& settings, std::span<const StoredBox> boxes);
void saveBoxes(SettingsStore& settings, std::span<const StoredBox> boxes);

}  // namespace vellox
