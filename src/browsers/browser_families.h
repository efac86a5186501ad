#pragma once
#include <string>
#include <vector>
#include "browsers/browser_profile.h"
#include "browsers/profile_probe.h"

namespace vellox {

struct ChromiumBrowser {
  const char* name;
  std::string userData;    // the folder holding "Local State" and the profiles
  std::string localData;   // the same folder's place under %LOCALAPPDATA%, where the cache may live
  bool profileAtTop;       // the user-data folder is itself a profile, as Opera keeps it
};

struct FirefoxBrowser {
  const char* name;
  std::string roaming;  // holds profiles.ini; relative profile paths start here
  std::string local;    // relative profiles keep their cache under the same path here
};

void findChromiumProfiles(ProfileProbe& probe, const ChromiumBrowser& browser, std::vector<BrowserProfile>& found);
void findFirefoxProfiles(ProfileProbe& probe, const FirefoxBrowser& browser, std::vector<BrowserProfile>& found);

}  // namespace vellox
