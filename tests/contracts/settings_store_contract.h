#pragma once
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "platform/settings_store.h"

namespace vellox::test {

// What the preferences rely on from the settings store; a side gives store().
template <class Side>
class SettingsStoreContract : public ::testing::Test {
 protected:
  Side side;
};

TYPED_TEST_SUITE_P(SettingsStoreContract);

TYPED_TEST_P(SettingsStoreContract, SavedTextsComeBackAndMissingOnesGiveTheDefault) {
  SettingsStore& store = this->side.store();
  EXPECT_EQ(store.getSetting(" Tarn Vellox", "Settings", "shredlevel", "True"), "True");
  for (const std::string value : {"False", "", "\xCE\xA9 caf\xC3\xA9", "two words"}) {
    store.saveSetting(" Tarn Vellox", "Settings", "shredlevel", value);
    EXPECT_EQ(store.getSetting(" Tarn Vellox", "Settings", "shredlevel", "default"), value);
  }
  // The address is all three parts.
  EXPECT_EQ(store.getSetting(" Tarn Vellox", "Settings", "autostart", "0"), "0");
  EXPECT_EQ(store.getSetting(" Tarn Vellox", "Other", "shredlevel", "x"), "x");
  EXPECT_EQ(store.getSetting("Another", "Settings", "shredlevel", "y"), "y");
}

// A list is one value of its own kind: a text read from it gives the default, and
// a list read from a text is empty; the later save of either kind replaces the other.
TYPED_TEST_P(SettingsStoreContract, SavedListsComeBackWithoutEmptyTexts) {
  SettingsStore& store = this->side.store();
  const std::string app = " Tarn Vellox", section = "Settings";
  EXPECT_TRUE(store.getSettingList(app, section, "keepcookies").empty());
  const struct {
    std::vector<std::string> saved, read;
  } cases[] = {
      {{"example.com", "\xCE\xB1\xCE\xB2.gr", "mail.example.org"}, {"example.com", "\xCE\xB1\xCE\xB2.gr", "mail.example.org"}},
      {{"", "one", ""}, {"one"}},
      {{}, {}},
  };
  for (const auto& [saved, read] : cases) {
    store.saveSettingList(app, section, "keepcookies", saved);
    EXPECT_EQ(store.getSettingList(app, section, "keepcookies"), read);
  }
  store.saveSettingList(app, section, "keepcookies", {"example.com"});
  EXPECT_EQ(store.getSetting(app, section, "keepcookies", "default"), "default");
  store.saveSetting(app, section, "keepcookies", "text");
  EXPECT_TRUE(store.getSettingList(app, section, "keepcookies").empty());
  EXPECT_EQ(store.getSetting(app, section, "keepcookies", "default"), "text");
}

REGISTER_TYPED_TEST_SUITE_P(SettingsStoreContract, SavedTextsComeBackAndMissingOnesGiveTheDefault,
                            SavedListsComeBackWithoutEmptyTexts);

}  // namespace vellox::test
