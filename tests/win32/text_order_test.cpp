#include "platform/text_order_contract.h"
#include "platform/win32/win32_text_order.h"

namespace vellox::test {
namespace {

TEST(Win32TextOrder, KeepsTheTextOrderContract) { expectTextOrderContract(win32::Win32TextOrder()); }

}  // namespace
}  // namespace vellox::test
