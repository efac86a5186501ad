#pragma once
#include <string>
#include "platform/services.h"
#include "ui/main_controls.h"
#include "ui/tab.h"
#include "wipe/shred_level.h"

namespace vellox {

// The Cookies tab: the cookie folder's files, listed and deleted by hand.
class CookiesTab : public Tab, public CookiesControls {
 public:
  static constexpr int kPage = kTabCookies;
  // `showIndexDat`: whether a file named "index.dat" may be listed, true until the first deletion.
  CookiesTab(CookiesControls controls, Services& services, bool& showIndexDat, const ShredLevel& level,
             TabHost& host);

  void shown() override { loadCookiesList(); }
  void activated() override;

  void loadCookiesList();
  void EnumCookies(std::string path);
  void cmdselectallcookies_Click();
  void cmdselectnocookies_Click();
  void cmdinvertcookiesselection_Click();
  void cmddelcookies_Click();
  void deletecookies();

 private:
  Services& services_;
  bool& showIndexDat;
  const ShredLevel& level_;
  TabHost& host_;
  // True while the cookie listing lets the event loop run.
  bool listingCookies_ = false;
};

}  // namespace vellox
