// Wipe Free Space from the command line: the warning unless --yes, then the fill, and what the
// console is told.
#include <gmock/gmock.h>
#include "app/free_space_command.h"
#include "fakes/test_env.h"

namespace vellox::test {
namespace {

// The command's refusals and exit codes; the fill itself is the fill tests'.
TEST(WipeFreeSpaceCommand, ExitCodesAndNothingWrittenToARefusedDrive) {
  // The drive named, its problem, --yes, the answer to the warning, exit code, boxes, the line's start.
  const struct { const char* name; DriveProblem problem; bool yes; MsgAnswer answer; int exit; std::size_t boxes;
                 const char* line; } cases[] = {
      {"D:", DriveProblem::None, true, MsgAnswer::Ok, kFreeSpaceWiped, 0, "D: (Disk D, NTFS) free space wiped: "},
      {"d", DriveProblem::None, false, MsgAnswer::Yes, kFreeSpaceWiped, 2, "D: (Disk D, NTFS) free space wiped: "},
      {"D:", DriveProblem::None, false, MsgAnswer::No, kFreeSpaceNotRun, 1, "D: free-space wipe not started"},
      {"Q:", DriveProblem::None, true, MsgAnswer::Ok, kFreeSpaceDriveRefused, 0, "Drive Q: does not exist"},
      {"D:", DriveProblem::ReadOnly, true, MsgAnswer::Ok, kFreeSpaceDriveRefused, 0, "Drive D: is read-only."},
      {"D:", DriveProblem::NotLocal, false, MsgAnswer::Yes, kFreeSpaceDriveRefused, 0, "Drive D: is not a local"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + c.line);
    TestEnv env;
    env.freeSpace.add("D:\\", "NTFS", 4096).problem = c.problem;
    std::size_t writes = 0;
    env.freeSpace.beforeWrite = [&] { ++writes; };
    env.ui.answers.push_back(c.answer);
    std::vector<std::string> said;
    FreeSpaceCommand command{env.freeSpace, env.files, env.systemFolders, env.ui,
                             [&](const std::string& line) { said.push_back(line); }};
    EXPECT_EQ(runWipeFreeSpace(command, c.name, c.yes), c.exit);
    EXPECT_THAT(said, testing::ElementsAre(testing::StartsWith(c.line)));
    ASSERT_EQ(env.ui.messages.size(), c.boxes);
    EXPECT_TRUE(!c.boxes || env.ui.messages[0].text.find("Continue?") != std::string::npos);
    EXPECT_EQ(writes == 0, c.exit == kFreeSpaceDriveRefused) << "nothing is written to a refused drive";
  }
}

}  // namespace
}  // namespace vellox::test
