#include "fakes/fake_text_order.h"
#include "platform/text_order_contract.h"

namespace vellox::test {
namespace {

TEST(FakeTextOrder, KeepsTheTextOrderContract) { expectTextOrderContract(FakeTextOrder()); }

}  // namespace
}  // namespace vellox::test
