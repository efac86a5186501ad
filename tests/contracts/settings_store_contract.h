#pragma once
#include <gtest/gtest.h>
#include <string>
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

REGISTER_TYPED_TEST_SUITE_P(SettingsStoreContract, SavedTextsComeBackAndMissingOnesGiveTheDefault);

}  // namespace vellox::test
