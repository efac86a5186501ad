#pragma once
#include <optional>
#include <string>
#include "platform/text_order.h"

namespace vellox {

// One cell of the sort-key column as the list compares it.
struct SortCell {
  std::string text;
  std::optional<double> value;
};

// Cells with a value (dates, numbers) sort by it and before cells without one;
// the others by their text in the user's order. Negative, zero or positive.
int compareCells(const SortCell& a, const SortCell& b, const TextOrder& order);

}  // namespace vellox
