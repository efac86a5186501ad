#pragma once
#include <string>
#include <vector>
#include "platform/processes.h"

namespace vellox::test {

// The programs a test says are running. The test's own program is always among them, as it
// is among the real ones.
class FakeProcesses : public Processes {
 public:
  static constexpr const char* kOwnName = "vellox_tests.exe";
  std::vector<RunningProgram> programs{{kOwnName, std::string("C:\\tests\\") + kOwnName}};
  std::vector<RunningProgram> running() override { return programs; }
};

}  // namespace vellox::test
