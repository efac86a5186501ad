#pragma once
#include "platform/services.h"
#include "ui/main_controls.h"
#include "ui/tab.h"
#include "wipe/shred_level.h"

namespace vellox {

// The Cache tab: the URL cache's entries, deleted one by one or all at once.
class CacheTab : public Tab, public CacheControls {
 public:
  static constexpr int kPage = kTabCache;
  CacheTab(CacheControls controls, Services& services, const ShredLevel& level, TabHost& host);

  void shown() override { loadCacheContents(); }
  void loadStored() override;
  void saveStored() override;

  void loadCacheContents();
  void GetCacheURLList();
  void cmdDelSelFromCache_Click();
  void cmdDelAllFromCache_Click();
  void deletecache();
  void cmdinvertcachesel_Click();
  void invertsel();

 private:
  Services& services_;
  const ShredLevel& level_;
  TabHost& host_;
};

}  // namespace vellox
