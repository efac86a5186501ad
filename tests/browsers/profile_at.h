#pragma once
#include <string>
#include "browsers/browser_profile.h"

namespace vellox::test {

// A profile of the family in `folder`, holding no item until the test adds some.
inline BrowserProfile profileAt(BrowserFamily family, const std::string& browser, const std::string& folder) {
  BrowserProfile p;
  p.family = family;
  p.browser = browser;
  p.profile = "Person 1";
  p.folder = folder;
  return p;
}

}  // namespace vellox::test
