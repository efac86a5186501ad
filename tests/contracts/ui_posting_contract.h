#pragma once
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "platform/ui.h"

namespace vellox::test {

inline constexpr const char* kContractBoxCaption = " Tarn Vellox contract";

// The rule of Ui::post that the program relies on: a posted task may destroy the
// window whose handler posted it, so it never runs while a handler runs, even
// one that lets the event loop run or shows a message box.
//
// `Driver` is default-constructible and drives one Ui as the event loop does:
//   Ui& ui();
//   void handle(const std::function<void()>& handler);  // one event's handler
//   void idle();           // the loop handles everything queued
//   void answerNextBox();  // the user answers the next message box (caption kContractBoxCaption)
template <class Driver>
class UiPostingContract : public ::testing::Test {
 protected:
  Driver driver;
  Ui& ui = driver.ui();
};

TYPED_TEST_SUITE_P(UiPostingContract);

TYPED_TEST_P(UiPostingContract, TasksRunInOrderOnceTheLoopIsIdleAndNeverInsidePost) {
  auto& ui = this->ui;
  std::vector<int> ran;
  ui.post([&] {
    ran.push_back(1);
    ui.post([&] { ran.push_back(3); });
  });
  ui.post([&] { ran.push_back(2); });
  EXPECT_TRUE(ran.empty());
  this->driver.idle();
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
  this->driver.idle();
  EXPECT_EQ(ran.size(), 3u);
}

TYPED_TEST_P(UiPostingContract, ATaskWaitsWhileAHandlerRunsEvenOneThatPumpsOrShowsABox) {
  auto& ui = this->ui;
  auto& driver = this->driver;
  std::vector<std::string> order;
  driver.handle([&] {
    ui.post([&] { order.push_back("task"); });
    ui.doEvents();
    driver.idle();
    driver.answerNextBox();
    ui.messageBox("A handler waits for the user", kContractBoxCaption, MsgIcon::None, MsgButtons::Ok);
    order.push_back("handler ends");
  });
  driver.idle();
  EXPECT_EQ(order, (std::vector<std::string>{"handler ends", "task"}));
}

TYPED_TEST_P(UiPostingContract, ATaskPostedByANestedHandlerWaitsForTheOuterOne) {
  auto& ui = this->ui;
  auto& driver = this->driver;
  std::vector<std::string> order;
  driver.handle([&] {
    driver.handle([&] { ui.post([&] { order.push_back("task"); }); });
    ui.doEvents();
    driver.idle();
    order.push_back("outer ends");
  });
  driver.idle();
  EXPECT_EQ(order, (std::vector<std::string>{"outer ends", "task"}));
}

REGISTER_TYPED_TEST_SUITE_P(UiPostingContract, TasksRunInOrderOnceTheLoopIsIdleAndNeverInsidePost,
                            ATaskWaitsWhileAHandlerRunsEvenOneThatPumpsOrShowsABox,
                            ATaskPostedByANestedHandlerWaitsForTheOuterOne);

}  // namespace vellox::test
