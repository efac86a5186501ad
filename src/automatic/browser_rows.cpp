#include "automatic/browser_rows.h"
#include <cctype>
#include "browsers/browser_settings.h"
#include "browsers/browser_cleaning.h"
#include "browsers/browser_discovery.h"
#include "platform/settings_store.h"
#include "platform/system_folders.h"

namespace vellox {

namespace {

std::string lowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

void cleanBrowserRows(Services& services, BrowserItem item, const KeptSites& kept, int securePasses,
                      CleanBudget& budget, CleanReport& report) {
  const BrowserChoices choices =
      storedBrowserChoices(services.settings);
  const auto profiles =
      findBrowserProfiles(services.files, services.systemFolders.appDataFolders(), scopeRule(services));
  for (const BrowserProfile& profile : profiles) {
    if (profile.item(item).empty() || !choices.checked(profile.browser, profile.profile, item)) continue;
    const std::string what = profile.browser + " (" + profile.profile + ") " + lowerCase(itemName(item));
    if (budget.over()) {
      report.notReached.push_back(what);
      if (report.cutOff.empty()) report.cutOff = budget.cutOffBy();
      continue;
    }
    const ItemCleaned cleaned = cleanItem(services.files, services.processes, profile, item, kept, securePasses);
    if (cleaned.state != StoreState::Ready)
      report.skipped.push_back(what + ": " + cleaned.reason);
    else if (const std::string text = cleanedText(cleaned); !text.empty())
      report.cleaned.push_back(what + ": " + text);
    // Its files are refused once the budget is over: the item may be half done.
    if (cleaned.state == StoreState::Ready && budget.over()) report.skipped.push_back(what + ": cut off before its end");
    if ((cleaned.state == StoreState::Stopped || budget.over()) && report.cutOff.empty())
      report.cutOff = budget.cutOffBy();
  }
}

}  // namespace vellox
