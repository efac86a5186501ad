#pragma once
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include "platform/processes.h"

namespace vellox::test {

// A side gives service() and ownExe(), the name the running test program has.
template <class Side>
struct ProcessesContract : ::testing::Test {
  Side side;
};

TYPED_TEST_SUITE_P(ProcessesContract);

TYPED_TEST_P(ProcessesContract, TheRunningProgramIsListedWithItsNameAndFullPath) {
  const auto programs = this->side.service().running();
  const std::string own = this->side.ownExe();
  const auto found = std::ranges::find(programs, own, &RunningProgram::exeName);
  ASSERT_NE(found, programs.end());
  EXPECT_TRUE(found->imagePath.ends_with("\\" + own)) << found->imagePath;
}

REGISTER_TYPED_TEST_SUITE_P(ProcessesContract, TheRunningProgramIsListedWithItsNameAndFullPath);

}  // namespace vellox::test
