#pragma once
#include <string>
#include <vector>
#include "browsers/browser_choices.h"
#include "browsers/kept_sites.h"
#include "platform/settings_store.h"

namespace vellox {

// The Browsers tab's two stored values, read and written in one place for the tab and
// the automatic clean: the checked rows ("browseritems") and the kept sites ("keepcookies").
BrowserChoices storedBrowserChoices(SettingsStore& settings);
void saveBrowserChoices(SettingsStore& settings, const BrowserChoices& choices);
std::vector<std::string> storedKeptSiteList(SettingsStore& settings);
void saveKeptSiteList(SettingsStore& settings, const std::vector<std::string>& sites);
KeptSites storedKeptSites(SettingsStore& settings);

}  // namespace vellox
