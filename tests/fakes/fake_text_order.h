#pragma once
#include <cstddef>
#include <string_view>
#include "platform/text_order.h"

namespace vellox::test {

// The user's order for ASCII text: letters without case, runs of digits by
// value, anything else by its byte. Punctuation and non-ASCII letters do not
// follow a locale as the real order does; tests stay clear of them.
class FakeTextOrder : public TextOrder {
 public:
  int compare(std::string_view a, std::string_view b) const override;
};

}  // namespace vellox::test
