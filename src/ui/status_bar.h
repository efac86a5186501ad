#pragma once
#include <string>

namespace vellox {

// The first panel of the window's status bar.
class StatusBar {
 public:
  virtual ~StatusBar() = default;
  virtual void setText(const std::string& text) = 0;
  virtual std::string text() const = 0;
};

}  // namespace vellox
