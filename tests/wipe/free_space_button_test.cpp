// The "Wipe Free Space" button: the warning first, the fill on the worker, Cancel, one closing box.
#include <gtest/gtest.h>
#include <atomic>
#include <thread>
#include "app/main_window.h"
#include "fakes/test_env.h"
#include "wipe/secure_wipe_tab.h"

namespace vellox::test {
namespace {

TEST(WipeFreeSpaceButton, WarnsThenFillsOnTheWorkerAndEndsWithOneBox) {
  // The answer to the warning, whether Cancel is clicked during the fill, the second box's text.
  const struct { const char* name; MsgAnswer answer; bool cancelDuringFill; const char* closing; } cases[] = {
      {"Cancel on the warning", MsgAnswer::Cancel, false, nullptr},
      {"OK", MsgAnswer::Ok, false, "was wiped"},
      {"Cancel during the fill", MsgAnswer::Ok, true, "was cancelled"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestEnv env;
    env.freeSpace.add("D:\\", "NTFS", 3000).drive.label = "Data";
    std::atomic<bool> filling{false}, held{false}, release{false};
    env.freeSpace.beforeWrite = [&] {
      for (held = filling.load(); filling && !release;) std::this_thread::yield();
    };
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
      EXPECT_NE(view.sbar.text().find("Wiping free space of D: 0%"), std::string::npos) << view.sbar.text();
      view.cmdWipeFreeSpace.click();
      EXPECT_FALSE(view.cmdWipeFreeSpace.enabled());
      release = true;
    }
    const auto cancelledAt = std::chrono::steady_clock::now();
    env.settle();
    if (c.cancelDuringFill) EXPECT_LT(std::chrono::steady_clock::now() - cancelledAt, std::chrono::seconds(1));

    ASSERT_EQ(env.ui.messages.size(), c.closing ? 2u : 1u);
    EXPECT_TRUE(!c.closing || env.ui.messages[1].text.find(c.closing) != std::string::npos) << env.ui.messages.back().text;
    // The window is as before.
    EXPECT_TRUE(view.cmdWipeFreeSpace.caption() == "Wipe &Free Space" && view.cmdWipeFreeSpace.enabled() &&
                view.cmdWipe.enabled() && view.prgWipe.permille() == 0 && view.sbar.text().empty());
  }
}

}  // namespace
}  // namespace vellox::test
