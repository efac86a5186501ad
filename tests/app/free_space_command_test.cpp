#include <gtest/gtest.h>
#include "app/free_space_command.h"
#include "fakes/test_env.h"

namespace vellox::test {
namespace {

// The command's own guard: a drive that is read-only or not local is refused before anything is written.
TEST(WipeFreeSpaceCommand, ARefusedDriveEndsWithExitCodeTwoAndNothingWritten) {
  for (const DriveProblem problem : {DriveProblem::ReadOnly, DriveProblem::NotLocal}) {
    TestEnv env;
    env.freeSpace.add("D:\\", "NTFS", 4096).problem = problem;
    std::size_t writes = 0;
    env.freeSpace.beforeWrite = [&] { ++writes; };
    FreeSpaceCommand command{env.freeSpace, env.files, env.systemFolders, env.ui, [](const std::string&) {}};
    EXPECT_EQ(runWipeFreeSpace(command, "D:", true), kFreeSpaceDriveRefused);
    EXPECT_EQ(writes, 0u);
  }
}

}  // namespace
}  // namespace vellox::test
