#pragma once
#include "platform/settings_store.h"

namespace vellox {

// The options an automatic clean follows: when it runs, what it cleans, and how.
struct AutoOptions {
  bool onStart = false;     // "Eliminate evidence on startup"
  bool onShutdown = false;  // "Eliminate evidence on shutdown"
  bool cookies = false;     // "Delete Cookies Automatically"
  bool cache = false;       // "Clear Cache Automatically"
  bool history = false;     // "Clear visited URL History Automatically"
  bool tempFolder = false;  // "Clear Temporary files"
  bool recycleBin = false;  // "Empty Recycle Bin"
  bool windowsTraces = false;  // "Clean Windows traces automatically": the Windows tab's checked rows
  bool cachedPasswords = false;  // "Delete Cached passwords"
  // The shredding level while "Secure Wipe all other areas" is checked; 0 deletes plainly.
  int securePasses = 0;

  bool cleansAnything() const { return cookies || cache || history || tempFolder || recycleBin || windowsTraces; }
};

// The options as stored, for when no window holds them.
AutoOptions storedAutoOptions(SettingsStore& settings);

}  // namespace vellox
