#include "browsers/running_browsers.h"
#include <algorithm>
#include <cctype>
#include <string>

namespace vellox {

namespace {

struct BrowserPrograms {
  const char* browser;
  std::vector<std::string> names;
};

// Chromium and Chrome share their program's name: either running keeps both whole.
const BrowserPrograms kPrograms[] = {
    {"Chrome", {"chrome.exe"}},         {"Edge", {"msedge.exe"}},
    {"Brave", {"brave.exe"}},           {"Vivaldi", {"vivaldi.exe"}},
    {"Chromium", {"chrome.exe"}},       {"Opera", {"opera.exe"}},
    {"Opera GX", {"opera.exe"}},        {"Firefox", {"firefox.exe"}},
    {"LibreWolf", {"librewolf.exe"}},   {"Waterfox", {"waterfox.exe"}},
};

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

const std::vector<std::string>* namesOf(const std::string& browser) {
  for (const auto& entry : kPrograms)
    if (browser == entry.browser) return &entry.names;
  return nullptr;
}

// Chromium browsers keep a per-user install beside "User Data" ("...\Chrome\Application"); Opera
// keeps its data folder apart from its program, so only the name tells it.
std::string installPlace(const BrowserProfile& profile) {
  if (profile.family != BrowserFamily::Chromium || profile.dataFolder.empty()) return {};
  const std::string data = lower(profile.dataFolder);
  const auto cut = data.find_last_of("\\/");
  if (cut == std::string::npos || data.substr(cut + 1) != "user data") return {};
  return data.substr(0, cut + 1);
}

}  // namespace

bool browserProgramRunning(const std::vector<RunningProgram>& programs, const BrowserProfile& profile) {
  const auto* names = namesOf(profile.browser);
  const std::string place = installPlace(profile);
  return std::any_of(programs.begin(), programs.end(), [&](const RunningProgram& program) {
    const std::string name = lower(program.exeName);
    if (names && std::find(names->begin(), names->end(), name) != names->end()) return true;
    const std::string image = lower(program.imagePath);
    return !place.empty() && image.compare(0, place.size(), place) == 0 && name.size() > 4 &&
           name.compare(name.size() - 4, 4, ".exe") == 0;
  });
}

}  // namespace vellox
