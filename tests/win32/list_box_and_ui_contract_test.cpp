// The native list box and the real Ui against the contracts that the headless
// list box and the fake Ui also pass, natively (tests/contracts/list_box_and_ui_contract_test.cpp).
#include <functional>
#include <memory>
#include "contracts/list_box_contract.h"
#include "contracts/ui_posting_contract.h"
#include "gui_test_util.h"
#include "platform/win32/win32_services.h"
#include "ui/win32/guard.h"
#include "ui/win32/main_window.h"
#include "ui/win32/win32_ui.h"

namespace vellox::test {
namespace {

struct Win32ListBoxMaker {
  Win32ListBoxMaker() { initCommonControls(); }
  win32::Win32MainView view{GetModuleHandleW(nullptr)};
  ListBox& box() { return view.List1; }
};

struct Win32UiDriver {
  std::unique_ptr<Ui> real = win32::makeUi();
  std::unique_ptr<WindowWatcher> answerer;
  Ui& ui() { return *real; }
  // As a window procedure runs a handler.
  void handle(const std::function<void()>& handler) { win32::guarded(handler); }
  void idle() { drainMessages(); }
  void answerNextBox() {
    answerer = std::make_unique<WindowWatcher>(L"#32770", win32::widen(kContractBoxCaption),
                                               [](HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); });
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ListBoxContract, Win32ListBoxMaker);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, UiPostingContract, Win32UiDriver);

}  // namespace
}  // namespace vellox::test
