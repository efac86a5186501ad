// Wipe Free Space from its button and from the command line: the warning first, then the fill,
// and what the user is told.
#include <gmock/gmock.h>
#include <atomic>
#include <thread>
#include "app/free_space_command.h"
#include "app/main_window.h"
#include "fakes/test_env.h"
#include "wipe/secure_wipe_tab.h"

namespace vellox::test {
namespace {

// The fill runs on the worker; Cancel during it releases within a second; one closing box.
TEST(WipeFreeSpaceButton, WarnsThenFillsOnTheWorkerAndEndsWithOneBox) {
  // The answer to the warning, whether Cancel is clicked during the fill, the last box's text.
  const struct { const char* name; MsgAnswer answer; bool cancelDuringFill; const char* lastBox; } cases[] = {
      {"Cancel on the warning", MsgAnswer::Cancel, false, "Continue?"},
      {"OK", MsgAnswer::Ok, false, "was wiped"},
      {"Cancel during the fill", MsgAnswer::Ok, true, "was cancelled"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestEnv env;
    env.freeSpace.add("D:\\", "NTFS", 3000).drive.label = "Data";
    std::atomic<bool> filling{false}, held{false}, release{false};
    // Holds the worker in its first write, when Cancel is to be clicked during the fill.
    env.freeSpace.beforeWrite = [&] { for (held = filling.load(); filling && !release;) std::this_thread::yield(); };
    frmmain form(env.services, env.state, [] {});
    auto& view = *env.views.main;
    form.tab<SecureWipeTab>().fillDriveList();
    ASSERT_EQ(view.lstDrives.count(), 1u);
    EXPECT_TRUE(view.lstDrives.text(0) == "D: Data" && view.lstDrives.subItem(0, 3) == "NTFS");

    env.ui.answers.push_back(c.answer);
    view.cmdWipeFreeSpace.click();
    // The disk is timed on the worker; the warning comes when it is done.
    ASSERT_TRUE(env.state.worker.waitIdle(std::chrono::seconds(20)));
    filling = c.cancelDuringFill;
    env.ui.runPosted();
    ASSERT_FALSE(env.ui.messages.empty());
    EXPECT_EQ(env.ui.messages[0].text.find("Wipe Free Space fills the free space of D: (Data, NTFS)"), 0u);
    if (c.cancelDuringFill) {
      while (!held) std::this_thread::yield();
      env.ui.runPosted();
      EXPECT_TRUE(view.cmdWipeFreeSpace.caption() == "&Cancel" && !view.cmdWipe.enabled());
      EXPECT_THAT(view.sbar.text(), testing::StartsWith("Wiping free space of D: 0%"));
      view.cmdWipeFreeSpace.click();
      EXPECT_FALSE(view.cmdWipeFreeSpace.enabled());
      release = true;
    }
    const auto cancelledAt = std::chrono::steady_clock::now();
    env.settle();
    EXPECT_TRUE(!c.cancelDuringFill || std::chrono::steady_clock::now() - cancelledAt < std::chrono::seconds(1));

    EXPECT_EQ(env.ui.messages.size(), c.answer == MsgAnswer::Ok ? 2u : 1u) << "the warning, then one closing box";
    EXPECT_THAT(env.ui.messages.back().text, testing::HasSubstr(c.lastBox));
    // The window is as before.
    EXPECT_TRUE(view.cmdWipeFreeSpace.caption() == "Wipe &Free Space" && view.cmdWipeFreeSpace.enabled() &&
                view.cmdWipe.enabled() && view.prgWipe.permille() == 0 && view.sbar.text().empty());
  }
}

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
