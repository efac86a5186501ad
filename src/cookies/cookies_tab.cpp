#include "cookies/cookies_tab.h"

namespace vellox {

CookiesTab::CookiesTab(CookiesControls controls, Services& services, bool& showIndexDat, const ShredLevel& level,
                       TabHost& host)
    : CookiesControls(controls), services_(services), showIndexDat(showIndexDat), level_(level), host_(host) {
  const auto alive = host.alive();
  bindWhileOpen(cmdselectallcookies.onClick, alive, [this] { cmdselectallcookies_Click(); });
  bindWhileOpen(cmdselectnocookies.onClick, alive, [this] { cmdselectnocookies_Click(); });
  bindWhileOpen(cmdinvertcookiesselection.onClick, alive, [this] { cmdinvertcookiesselection_Click(); });
  bindWhileOpen(cmddelcookies.onClick, alive, [this] { cmddelcookies_Click(); });
}

void CookiesTab::activated() {
  lstcookies.setColumnWidth(0, lstcookies.width() / 2.0);
  lstcookies.setColumnWidth(1, lstcookies.width() / 2.0);
}

}  // namespace vellox
