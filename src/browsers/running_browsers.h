#pragma once
#include <vector>
#include "browsers/browser_profile.h"
#include "platform/processes.h"

namespace vellox {

// Whether one of the running programs is the profile's browser: its program file has that
// browser's name (chrome.exe, firefox.exe, ...), or lies in the browser's own folder, as a
// per-user install keeps it beside its data.
bool browserProgramRunning(const std::vector<RunningProgram>& programs, const BrowserProfile& profile);

}  // namespace vellox
