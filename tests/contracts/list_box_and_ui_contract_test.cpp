// The headless list box and the fake Ui against the contracts that the native
// control and the real Ui also pass, under Wine (tests/win32/list_box_and_ui_contract_test.cpp).
#include <functional>
#include "contracts/list_box_contract.h"
#include "contracts/ui_posting_contract.h"
#include "fakes/fake_ui.h"
#include "fakes/headless/headless_list_box.h"

namespace vellox::test {
namespace {

struct HeadlessListBoxMaker {
  HeadlessFocus focus;
  HeadlessListBox list{focus};
  ListBox& box() { return list; }
};

struct FakeUiDriver {
  FakeUi fake;
  Ui& ui() { return fake; }
  void handle(const std::function<void()>& handler) { fake.runHandler(handler); }
  void idle() { fake.runPosted(); }
  void answerNextBox() {}  // the fake answers OK by itself
};

INSTANTIATE_TYPED_TEST_SUITE_P(Headless, ListBoxContract, HeadlessListBoxMaker);
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, UiPostingContract, FakeUiDriver);

}  // namespace
}  // namespace vellox::test
