#pragma once
#include "automatic/auto_clean.h"
#include "browsers/browser_profile.h"
#include "browsers/kept_sites.h"
#include "platform/settings_store.h"

namespace vellox {

// Cleans `item` of every profile whose row the Browsers tab has checked, through the
// engine: a running browser is skipped and said, kept sites stay, and with `securePasses`
// above 0 the files that go are shredded first.
void cleanBrowserRows(Services& services, BrowserItem item, const KeptSites& kept, int securePasses,
                      CleanBudget& budget, CleanReport& report);

}  // namespace vellox
