#pragma once
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "platform/instance.h"

namespace vellox::test {

// What start-up relies on from the instance service. A side gives first() and
// second(), two services that see the same system, and a name no other test uses.
template <class Side>
class InstanceContract : public ::testing::Test {
 protected:
  Side side;
};

TYPED_TEST_SUITE_P(InstanceContract);

TYPED_TEST_P(InstanceContract, ANameHasOneHolderUntilItsLockIsDropped) {
  const std::string name = this->side.uniqueName();
  auto held = this->side.first().acquire(name);
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(this->side.second().acquire(name), nullptr);
  EXPECT_EQ(this->side.first().acquire(name), nullptr);
  EXPECT_NE(this->side.second().acquire(name + "-other"), nullptr);
  held.reset();
  EXPECT_NE(this->side.second().acquire(name), nullptr);
}

// Text reaches the listener of the instance holding the name, whole; without a holder or a
// listener nobody takes it.
TYPED_TEST_P(InstanceContract, HandedOffTextReachesTheHoldersListenerWhileItListens) {
  const std::string name = this->side.uniqueName() + " hand-off";
  EXPECT_FALSE(this->side.second().handOff(name, "unheld"));
  auto held = this->side.first().acquire(name);
  ASSERT_NE(held, nullptr);
  const std::vector<std::string> texts = {"C:\\Users\\a b\\file.txt", "D:\\\xCE\xA9 caf\xC3\xA9\\folder", ""};
  std::vector<std::string> received;
  {
    auto listener = this->side.first().listen(name, [&](const std::string& text) { received.push_back(text); });
    for (const auto& text : texts) EXPECT_TRUE(this->side.second().handOff(name, text)) << text;
  }
  EXPECT_EQ(received, texts);
  EXPECT_FALSE(this->side.second().handOff(name, "no listener"));
  EXPECT_EQ(received.size(), texts.size());
}

TYPED_TEST_P(InstanceContract, TheProgramFolderIsAbsoluteWithoutATrailingSeparator) {
  const std::string folder = this->side.first().programFolder();
  ASSERT_GE(folder.size(), 3u);
  EXPECT_EQ(folder.substr(1, 2), ":\\");
  EXPECT_TRUE(folder.size() == 3 || folder.back() != '\\') << folder;
}

REGISTER_TYPED_TEST_SUITE_P(InstanceContract, ANameHasOneHolderUntilItsLockIsDropped,
                            HandedOffTextReachesTheHoldersListenerWhileItListens,
                            TheProgramFolderIsAbsoluteWithoutATrailingSeparator);

}  // namespace vellox::test
