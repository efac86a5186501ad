#include "browsers/browser_settings.h"
#include "common/app_identity.h"

namespace vellox {

namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kChoicesKey = "browseritems";
constexpr const char* kKeptKey = "keepcookies";

}  // namespace

BrowserChoices storedBrowserChoices(SettingsStore& settings) {
  return BrowserChoices::parse(settings.getSetting(kAppTitle, kSection, kChoicesKey, ""));
}

void saveBrowserChoices(SettingsStore& settings, const BrowserChoices& choices) {
  settings.saveSetting(kAppTitle, kSection, kChoicesKey, choices.text());
}

std::vector<std::string> storedKeptSiteList(SettingsStore& settings) {
  return settings.getSettingList(kAppTitle, kSection, kKeptKey);
}

void saveKeptSiteList(SettingsStore& settings, const std::vector<std::string>& sites) {
  settings.saveSettingList(kAppTitle, kSection, kKeptKey, sites);
}

KeptSites storedKeptSites(SettingsStore& settings) { return KeptSites(storedKeptSiteList(settings)); }

}  // namespace vellox
