#include "fakes/fake_text_order.h"
#include "platform/text_order_contract.h"
#include "ui/cell_order.h"

namespace vellox::test {
namespace {

TEST(FakeTextOrder, KeepsTheTextOrderContract) { expectTextOrderContract(FakeTextOrder()); }

TEST(CellOrder, ValuesSortByValueBeforeTextsWhichSortInTheUserOrder) {
  FakeTextOrder order;
  const struct {
    SortCell a, b;
    int expected;
  } cases[] = {
      {{"30", 30.0}, {"100", 100.0}, -1},
      {{"-1", -1.0}, {"-5", -5.0}, 1},
      {{"10/2/2024", 45567.0}, {"9/30/2024", 45565.0}, 1},  // dates by time, whatever the text
      {{"same", 2.0}, {"same", 2.0}, 0},
      {{"zzz", 1.0}, {"aaa", std::nullopt}, -1},
      {{"apple", std::nullopt}, {"Zebra", std::nullopt}, -1},
  };
  for (const auto& c : cases) {
    const int got = compareCells(c.a, c.b, order);
    EXPECT_EQ(got < 0 ? -1 : got > 0 ? 1 : 0, c.expected) << c.a.text << " : " << c.b.text;
  }
}

}  // namespace
}  // namespace vellox::test
