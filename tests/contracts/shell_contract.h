#pragma once
#include <gtest/gtest.h>
#include <string>
#include "platform/shell.h"

namespace vellox::test {

// What the logic relies on from the shell. A side gives shell(), putInBin(name)
// and inBin(name); the real side's bin is the test run's own.
template <class Side>
class ShellContract : public ::testing::Test {
 protected:
  Side side;
};

TYPED_TEST_SUITE_P(ShellContract);

TYPED_TEST_P(ShellContract, EmptyingTheBinRemovesEverythingInIt) {
  ASSERT_TRUE(this->side.putInBin("one.txt"));
  ASSERT_TRUE(this->side.putInBin("two.txt"));
  EXPECT_TRUE(this->side.shell().emptyRecycleBin(false));
  EXPECT_FALSE(this->side.inBin("one.txt"));
  EXPECT_FALSE(this->side.inBin("two.txt"));
}

TYPED_TEST_P(ShellContract, EmptyingAnEmptyBinSucceeds) {
  this->side.shell().emptyRecycleBin(false);
  EXPECT_TRUE(this->side.shell().emptyRecycleBin(true));
}

// Only the failure is driven: a success would start a real browser.
TYPED_TEST_P(ShellContract, OpeningAFileThatDoesNotExistFails) {
  EXPECT_FALSE(this->side.shell().openUrl("C:\\tarn-vellox-absent\\nothing-here.htm"));
}

// The side's putOnClipboard(text) copies text as a program would.
TYPED_TEST_P(ShellContract, EmptyingTheClipboardLeavesNothingOnIt) {
  ASSERT_TRUE(this->side.putOnClipboard("copied text"));
  EXPECT_TRUE(this->side.shell().clipboardHasData());
  EXPECT_TRUE(this->side.shell().emptyClipboard());
  EXPECT_FALSE(this->side.shell().clipboardHasData());
  EXPECT_TRUE(this->side.shell().emptyClipboard());
}

REGISTER_TYPED_TEST_SUITE_P(ShellContract, EmptyingTheBinRemovesEverythingInIt, EmptyingAnEmptyBinSucceeds,
                            OpeningAFileThatDoesNotExistFails, EmptyingTheClipboardLeavesNothingOnIt);

}  // namespace vellox::test
