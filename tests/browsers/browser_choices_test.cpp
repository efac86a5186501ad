#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "browsers/browser_choices.h"
#include "browsers/found_text.h"
#include "browsers/kept_sites.h"

namespace vellox::test {
namespace {

TEST(KeptSites, ASiteKeepsItselfAndItsSubdomainsButNoNameThatMerelyEndsLikeIt) {
  const KeptSites kept({"  Example.COM ", ".shop.org", "", "example.com", " \t"});
  EXPECT_EQ(kept.sites(), (std::vector<std::string>{"example.com", "shop.org"}));
  const struct {
    const char* host;
    bool keeps;
  } cases[] = {
      {".example.com", true},     {"example.com", true},         {"WWW.Example.com", true},
      {"a.b.shop.org", true},     {"badexample.com", false},     {"example.com.evil.net", false},
      {"com", false},             {"xshop.org", false},          {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(kept.keeps(c.host), c.keeps) << c.host;
  EXPECT_FALSE(KeptSites{}.keeps("example.com"));
}

TEST(BrowserChoices, DefaultsCheckEverythingButSessionEvenForProfilesNeverSeen) {
  for (const char* stored : {"", "-Chrome|Work|Cookies;+Chrome|Work|Session", "garbage;;|x|;?A|B|Cookies;-A|B|Nope"}) {
    SCOPED_TRACE(stored);
    const BrowserChoices choices = BrowserChoices::parse(stored);
    for (BrowserItem item : kBrowserItems)
      EXPECT_EQ(choices.checked("Firefox", "new-profile", item), item != BrowserItem::Session) << itemName(item);
  }
}

TEST(BrowserChoices, ChangedRowsSurviveTheStoredTextWhateverTheirNamesHold) {
  BrowserChoices choices;
  const std::string odd = "A|b;c\\d -\\|;+";
  choices.setChecked("Chrome", "Person 1", BrowserItem::History, false);
  choices.setChecked(odd, odd, BrowserItem::Cache, false);
  choices.setChecked("Opera GX", "Grüße", BrowserItem::Session, true);
  choices.setChecked("Edge", "Work", BrowserItem::Cookies, false);
  choices.setChecked("Edge", "Work", BrowserItem::Cookies, true);  // back to the default
  const BrowserChoices read = BrowserChoices::parse(choices.text());
  EXPECT_EQ(read.text(), choices.text());
  EXPECT_FALSE(read.checked("Chrome", "Person 1", BrowserItem::History));
  EXPECT_TRUE(read.checked("Chrome", "Person 1", BrowserItem::Cookies));
  EXPECT_FALSE(read.checked(odd, odd, BrowserItem::Cache));
  EXPECT_TRUE(read.checked(odd, "A|b", BrowserItem::Cache));
  EXPECT_TRUE(read.checked("Opera GX", "Grüße", BrowserItem::Session));
  EXPECT_TRUE(read.checked("Edge", "Work", BrowserItem::Cookies));
  EXPECT_EQ(read.text().find("Edge"), std::string::npos) << "a row at its default is not stored";
}

TEST(FoundText, NumbersGetThousandsSeparatorsAndSizesAFittingUnit) {
  EXPECT_EQ(counted(0, "page", "pages"), "0 pages");
  EXPECT_EQ(counted(1, "page", "pages"), "1 page");
  EXPECT_EQ(counted(1234567, "file", "files"), "1,234,567 files");
  const struct {
    std::uint64_t bytes;
    const char* text;
  } sizes[] = {
      {0, "0 KB"},          {1, "1 KB"},           {1536, "2 KB"},
      {1047552, "1,023 KB"}, {1048576, "1 MB"},    {327155712, "312 MB"},
      {1073741824, "1.0 GB"}, {5905580032, "5.5 GB"},
  };
  for (const auto& s : sizes) EXPECT_EQ(sizeText(s.bytes), s.text) << s.bytes;
}

}  // namespace
}  // namespace vellox::test
