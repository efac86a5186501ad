#pragma once
#include <gtest/gtest.h>
#include <string>
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

TYPED_TEST_P(InstanceContract, TheProgramFolderIsAbsoluteWithoutATrailingSeparator) {
  const std::string folder = this->side.first().programFolder();
  ASSERT_GE(folder.size(), 3u);
  EXPECT_EQ(folder.substr(1, 2), ":\\");
  EXPECT_TRUE(folder.size() == 3 || folder.back() != '\\') << folder;
}

REGISTER_TYPED_TEST_SUITE_P(InstanceContract, ANameHasOneHolderUntilItsLockIsDropped,
                            TheProgramFolderIsAbsoluteWithoutATrailingSeparator);

}  // namespace vellox::test
