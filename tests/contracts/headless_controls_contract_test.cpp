#include "contracts/controls_contract.h"
#include "fakes/fake_text_order.h"
#include "fakes/headless/headless_views.h"

// The headless window against the contract the real window keeps under Wine.
namespace vellox::test {
namespace {

struct HeadlessSide {
  HeadlessSide() { view.show(); }
  MainControls& c() { return view.controls(); }
  void click(CheckBox& box) { box.click(); }
  void click(OptionButton& option) { option.setValue(true); }
  void click(Button& button) { button.click(); }
  void click(Label& label) { label.click(); }
  void clickTab(int index) { view.SSTab1.select(index); }
  void clickCheck(ListView& list, std::size_t row) { dynamic_cast<HeadlessListView&>(list).userToggle(row); }
  FakeTextOrder order;
  HeadlessMainView view{order};
};
INSTANTIATE_TYPED_TEST_SUITE_P(Headless, ControlsContract, HeadlessSide);

}  // namespace
}  // namespace vellox::test
