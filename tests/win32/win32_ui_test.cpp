#include <gtest/gtest.h>
#include <atomic>
#include <vector>
#include "gui_test_util.h"
#include "platform/win32/win32_services.h"
#include "ui/win32/guard.h"
#include "ui/win32/win32_ui.h"

namespace vellox::test {
namespace {

const wchar_t* kCaption = L" Tarn Vellox test";

// Answers the message box captioned kCaption with the button `id`, after
// noting its text and whether it has each button.
struct BoxAnswer {
  int id;
  std::string text;
  std::vector<int> buttons;
};

WindowWatcher answerBox(BoxAnswer& answer) {
  return WindowWatcher(L"#32770", kCaption, [&answer](HWND box) {
    answer.text = textOf(GetDlgItem(box, 0xFFFF));
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO})
      if (GetDlgItem(box, id)) answer.buttons.push_back(id);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer.id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer.id)));
  });
}

TEST(Win32Ui, MessageBoxShowsItsTextAndButtonsAndReturnsTheAnswer) {
  auto ui = win32::makeUi();
  const struct {
    MsgButtons buttons;
    int press;
    MsgAnswer expected;
    std::vector<int> present;
  } cases[] = {
      {MsgButtons::OkCancel, IDCANCEL, MsgAnswer::Cancel, {IDOK, IDCANCEL}},
      {MsgButtons::OkCancel, IDOK, MsgAnswer::Ok, {IDOK, IDCANCEL}},
      {MsgButtons::YesNo, IDNO, MsgAnswer::No, {IDYES, IDNO}},
      {MsgButtons::Ok, IDOK, MsgAnswer::Ok, {IDOK}},
  };
  for (const auto& c : cases) {
    BoxAnswer answer{c.press, {}, {}};
    auto watcher = answerBox(answer);
    const auto result = ui->messageBox("Do you wish to end the application?", win32::narrow(kCaption),
                                       MsgIcon::Question, c.buttons);
    ASSERT_TRUE(watcher.found());
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(answer.text, "Do you wish to end the application?");
    EXPECT_EQ(answer.buttons, c.present);
  }
}

TEST(Win32Ui, PostedTasksRunInOrderAfterTheCurrentEventEvenInsideAModalLoop) {
  auto ui = win32::makeUi();
  std::vector<int> ran;
  std::atomic<bool> ranInsideBox{false};
  ui->post([&] { ran.push_back(1); });
  ui->post([&] { ran.push_back(2); });
  EXPECT_TRUE(ran.empty());  // not before the event loop runs

  // The message box's own loop runs the tasks; the watcher closes the box once they ran.
  BoxAnswer answer{IDOK, {}, {}};
  WindowWatcher watcher(L"#32770", kCaption, [&](HWND box) {
    for (int i = 0; i < 1000 && !ranInsideBox; ++i) Sleep(5);  // poll
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  ui->post([&] { ranInsideBox = true; });
  ui->messageBox("waiting", win32::narrow(kCaption), MsgIcon::None, MsgButtons::Ok);
  EXPECT_TRUE(watcher.found());
  EXPECT_TRUE(ranInsideBox);
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

// A task may destroy the window whose handler posted it: while that handler
// runs, even when it lets the loop run or waits in a message box, tasks wait.
TEST(Win32Ui, TasksWaitUntilTheRunningHandlerHasEndedEvenWhenItPumps) {
  auto ui = win32::makeUi();
  std::vector<std::string> order;
  win32::guarded([&] {
    ui->post([&] { order.push_back("task"); });
    ui->doEvents();
    BoxAnswer answer{IDOK, {}, {}};
    auto watcher = answerBox(answer);
    ui->messageBox("inside a handler", win32::narrow(kCaption), MsgIcon::Information, MsgButtons::Ok);
    EXPECT_TRUE(watcher.found());
    order.push_back("handler ends");
  });
  ASSERT_TRUE(pumpUntil([&] { return order.size() == 2; }));
  EXPECT_EQ(order, (std::vector<std::string>{"handler ends", "task"}));
}

TEST(Win32Ui, DoEventsDispatchesWhatIsQueued) {
  auto ui = win32::makeUi();
  int ran = 0;
  ui->post([&] { ++ran; });
  ui->doEvents();
  EXPECT_EQ(ran, 1);
  ui->doEvents();
  EXPECT_EQ(ran, 1);
}

TEST(Win32Ui, QuitEndsTheMessageLoopAndDoEventsLeavesTheQuitForIt) {
  auto ui = win32::makeUi();
  ui->quit();
  ui->doEvents();  // must not swallow the quit
  MSG msg{};
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 0u);
}

TEST(Win32Instance, ASecondLockOfTheSameNameIsRefusedUntilTheFirstIsGone) {
  auto instance = win32::makeInstance();
  const std::string name = "Local\\TarnVellox.Test." + std::to_string(GetCurrentProcessId());
  auto first = instance->acquire(name);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(instance->acquire(name), nullptr);
  first.reset();
  EXPECT_NE(instance->acquire(name), nullptr);
}

TEST(Win32Instance, ProgramFolderHoldsTheRunningExecutable) {
  const std::string folder = win32::makeInstance()->programFolder();
  ASSERT_GT(folder.size(), 3u);
  EXPECT_NE(folder.back(), '\\');
  const std::wstring exe = win32::widen(folder) + L"\\vellox_win_tests.exe";
  EXPECT_NE(GetFileAttributesW(exe.c_str()), INVALID_FILE_ATTRIBUTES) << folder;
}

}  // namespace
}  // namespace vellox::test
