#pragma once
#include "ui/control.h"

namespace vellox {

class Label : public Control {
 public:
  virtual void setText(const std::string& text) = 0;
  virtual std::string text() const = 0;
  void click() { onClick.fire(); }
  Event onClick;
};

}  // namespace vellox
