#pragma once
#include <string_view>

namespace vellox {

// Orders text for display the way the user's file manager lists names: by the
// user's locale, ignoring case, runs of digits by their value ("9" before "10").
class TextOrder {
 public:
  virtual ~TextOrder() = default;
  // Negative, zero or positive as `a` sorts before, with or after `b` (UTF-8).
  virtual int compare(std::string_view a, std::string_view b) const = 0;
};

}  // namespace vellox
