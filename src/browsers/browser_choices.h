#pragma once
#include <map>
#include <string>
#include <tuple>
#include "browsers/browser_profile.h"

namespace vellox {

// Which rows of the browser list are checked, kept as one line of text. Cookies, History and
// Cache are checked unless stored otherwise; Session is unchecked, because clearing it closes
// the user's tabs, unless stored as checked. So a profile found later gets the defaults.
class BrowserChoices {
 public:
  // "" (nothing stored) gives the defaults; records that cannot be read are passed over.
  static BrowserChoices parse(const std::string& stored);
  std::string text() const;
  bool checked(const std::string& browser, const std::string& profile, BrowserItem item) const;
  void setChecked(const std::string& browser, const std::string& profile, BrowserItem item, bool on);

 private:
  using Row = std::tuple<std::string, std::string, BrowserItem>;
  std::map<Row, bool> changed_;  // only the rows that differ from their default
};

}  // namespace vellox
