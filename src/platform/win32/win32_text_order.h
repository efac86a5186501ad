#pragma once
#include "platform/text_order.h"

namespace vellox::win32 {

// CompareStringEx with the user's locale. A system that refuses digits as
// numbers (before Windows 7) still sorts by the locale, ignoring case.
class Win32TextOrder : public TextOrder {
 public:
  int compare(std::string_view a, std::string_view b) const override;

 private:
  mutable bool digitsRefused_ = false;
};

}  // namespace vellox::win32
