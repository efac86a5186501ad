#pragma once
#include "ui/control.h"

namespace vellox {

class OptionButton : public Control {
 public:
  virtual bool value() const = 0;
  virtual void setValue(bool selected) = 0;
};

}  // namespace vellox
