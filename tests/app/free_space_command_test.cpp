#include <gtest/gtest.h>
#include "app/free_space_command.h"
#include "fakes/fake_free_space.h"
#include "fakes/fake_system_folders.h"
#include "fakes/fake_ui.h"

namespace vellox::test {
namespace {

// Exit codes and what is left on the drive, for each way the command can go.
TEST(WipeFreeSpaceCommand, ExitCodesAndNothingWrittenToARefusedDrive) {
  const struct {
    const char* name;
    DriveProblem problem;
    bool yes;
    MsgAnswer answer;
    int exit;
    std::size_t boxes;
    const char* line;
  } cases[] = {
      {"D:", DriveProblem::None, true, MsgAnswer::Ok, kFreeSpaceWiped, 0, "D: (Disk D, NTFS) free space wiped: "},
      {"d", DriveProblem::None, false, MsgAnswer::Yes, kFreeSpaceWiped, 2, "D: (Disk D, NTFS) free space wiped: "},
      {"D:", DriveProblem::None, false, MsgAnswer::No, kFreeSpaceNotRun, 1, "D: free-space wipe not started"},
      {"Q:", DriveProblem::None, true, MsgAnswer::Ok, kFreeSpaceDriveRefused, 0, "Drive Q: does not exist"},
      {"D:", DriveProblem::ReadOnly, true, MsgAnswer::Ok, kFreeSpaceDriveRefused, 0, "Drive D: is read-only."},
      {"D:", DriveProblem::NotLocal, false, MsgAnswer::Yes, kFreeSpaceDriveRefused, 0, "Drive D: is not a local"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + c.line);
    FakeFiles files;
    FakeFreeSpace space(files);
    FakeSystemFolders system(files);
    FakeUi ui;
    auto& volume = space.add("D:\\", "NTFS", 64 * 1024);  // 256 MB
    volume.problem = c.problem;
    volume.freeRecords = 8;
    ui.answers.push_back(c.answer);
    std::vector<std::string> said;
    FreeSpaceCommand command{space, files, system, ui, [&](const std::string& line) { said.push_back(line); }};
    EXPECT_EQ(runWipeFreeSpace(command, c.name, c.yes), c.exit);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].rfind(c.line, 0), 0u) << said[0];
    EXPECT_EQ(ui.messages.size(), c.boxes);
    if (c.boxes) {
      EXPECT_NE(ui.messages[0].text.find("Continue?"), std::string::npos);
    }
    const bool filled = c.exit == kFreeSpaceWiped;
    EXPECT_EQ(volume.leastClusters == 0, filled);
    if (c.exit == kFreeSpaceDriveRefused) {
      EXPECT_TRUE(space.created.empty());
    }
    EXPECT_EQ(volume.freeClusters, 64u * 1024);
    EXPECT_FALSE(files.exists("D:\\Vellox free space"));
  }
}

}  // namespace
}  // namespace vellox::test
