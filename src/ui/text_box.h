#pragma once
#include "ui/control.h"

namespace vellox {

class TextBox : public Control {
 public:
  virtual std::string text() const = 0;
  virtual void setText(const std::string& text) = 0;
};

}  // namespace vellox
