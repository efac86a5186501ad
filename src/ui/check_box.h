#pragma once
#include "ui/control.h"

namespace vellox {

// Values: 0 unchecked, 1 checked, 2 grayed. The change handler runs on every
// change of value, whether a click or the program made it.
class CheckBox : public Control {
 public:
  virtual int value() const = 0;
  void setValue(int value) {
    if (value == this->value()) return;
    store(value);
    onClick.fire();
  }
  // A click by the user: it checks a clear or grey box and clears a checked one.
  void click() { setValue(value() == 1 ? 0 : 1); }
  Event onClick;

 protected:
  virtual void store(int value) = 0;
};

}  // namespace vellox
