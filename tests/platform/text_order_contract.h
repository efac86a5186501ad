#pragma once
#include <gtest/gtest.h>
#include "platform/text_order.h"

namespace vellox::test {

// What every TextOrder keeps, the real one and the fake: the file manager's
// order for the texts the lists show.
inline void expectTextOrderContract(const TextOrder& order) {
  const struct {
    const char* first;
    const char* second;
    int expected;  // the sign of compare(first, second)
  } cases[] = {
      {"9/30/2024", "10/2/2024", -1},  // digits by value
      {"item2", "item10", -1},
      {"item007", "item10", -1},
      {"apple", "Zebra", -1},  // case ignored
      {"Zebra", "zebra", 0},
      {"Bravo", "bravo2", -1},
      {"", "a", -1},
      {"1", "a", -1},
      {"http://a.example/", "http://b.example/", -1},
      {"same", "same", 0},
  };
  for (const auto& c : cases) {
    const auto sign = [](int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; };
    EXPECT_EQ(sign(order.compare(c.first, c.second)), c.expected) << c.first << " : " << c.second;
    EXPECT_EQ(sign(order.compare(c.second, c.first)), -c.expected) << c.second << " : " << c.first;
  }
}

}  // namespace vellox::test
