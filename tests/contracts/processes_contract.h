#pragma once
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include "platform/processes.h"

namespace vellox::test {

// A side gives service() and ownExe(), the name the running test program has.
template <class Side>
class ProcessesContract : public ::testing::Test {
 protected:
  Side side;
};

TYPED_TEST_SUITE_P(ProcessesContract);

// The running test is listed by its program's name and the full path of its program file.
TYPED_TEST_P(ProcessesContract, TheRunningProgramIsListedWithItsNameAndFullPath) {
  const auto programs = this->side.service().running();
  const std::string own = this->side.ownExe();
  const auto found = std::find_if(programs.begin(), programs.end(),
                                  [&](const RunningProgram& p) { return p.exeName == own; });
  ASSERT_NE(found, programs.end());
  ASSERT_GT(found->imagePath.size(), own.size());
  EXPECT_EQ(found->imagePath.substr(found->imagePath.size() - own.size() - 1), "\\" + own);
}

REGISTER_TYPED_TEST_SUITE_P(ProcessesContract, TheRunningProgramIsListedWithItsNameAndFullPath);

}  // namespace vellox::test
