#pragma once
#include "platform/services.h"
#include "ui/main_controls.h"
#include "ui/tab.h"

namespace vellox {

// The About tab: the program's name and publisher, its links, and the update check.
class AboutTab : public Tab, public AboutControls {
 public:
  static constexpr int kPage = kTabAbout;
  AboutTab(AboutControls controls, Services& services, TabHost& host);

  void cmdcheckForUpdates_Click();
  void checkForUpdates();
  void lblurl_Click();
  void lblcleanlog_Click();

 private:
  Services& services_;
  TabHost& host_;
};

}  // namespace vellox
