#include "browsers/browser_discovery.h"
#include "browsers/browser_families.h"

namespace vellox {

namespace {

enum class Under { Local, Roaming };

struct ChromiumPlace {
  const char* name;
  Under under;
  const char* folder;
  bool profileAtTop;
};

const ChromiumPlace kChromium[] = {
    {"Chrome", Under::Local, "Google\\Chrome\\User Data", false},
    {"Edge", Under::Local, "Microsoft\\Edge\\User Data", false},
    {"Brave", Under::Local, "BraveSoftware\\Brave-Browser\\User Data", false},
    {"Vivaldi", Under::Local, "Vivaldi\\User Data", false},
    {"Chromium", Under::Local, "Chromium\\User Data", false},
    {"Opera", Under::Roaming, "Opera Software\\Opera Stable", true},
    {"Opera GX", Under::Roaming, "Opera Software\\Opera GX Stable", true},
};

struct FirefoxPlace {
  const char* name;
  const char* folder;  // the same under %APPDATA% and %LOCALAPPDATA%
};

const FirefoxPlace kFirefox[] = {
    {"Firefox", "Mozilla\\Firefox"},
    {"LibreWolf", "librewolf"},
    {"Waterfox", "Waterfox"},
};

}  // namespace

std::vector<BrowserProfile> findBrowserProfiles(Files& files, const AppDataFolders& appData, const ScopeRule& rule) {
  ProfileProbe probe(files, rule);
  // A folder the system did not give is no folder: nothing is looked for at the top of a drive.
  auto below = [&](const std::string& base, const char* folder) {
    return base.empty() ? std::string() : probe.child(base, folder);
  };
  std::vector<BrowserProfile> found;
  for (const auto& place : kChromium) {
    const std::string& base = place.under == Under::Local ? appData.local : appData.roaming;
    findChromiumProfiles(probe, {place.name, below(base, place.folder), below(appData.local, place.folder),
                                 place.profileAtTop},
                         found);
  }
  for (const auto& place : kFirefox)
    findFirefoxProfiles(probe, {place.name, below(appData.roaming, place.folder), below(appData.local, place.folder)},
                        found);
  return found;
}

}  // namespace vellox
