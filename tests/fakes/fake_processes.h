#pragma once
#include <string>
#include <vector>
#include "platform/processes.h"

namespace vellox::test {

// The programs a test says are running; the test's own is among them, as among the real ones.
struct FakeProcesses : Processes {
  static constexpr const char* kOwnName = "vellox_tests.exe";
  std::vector<RunningProgram> programs{{kOwnName, std::string("C:\\tests\\") + kOwnName}};
  std::vector<RunningProgram> running() override { return programs; }
};

}  // namespace vellox::test
