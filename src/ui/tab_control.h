#pragma once
#include "ui/control.h"

namespace vellox {

// The handler runs on every change of the selected tab, by a click or by the program.
class TabControl : public Control {
 public:
  virtual int selected() const = 0;
  virtual int count() const = 0;
  virtual std::string caption(int index) const = 0;
  void select(int index) {
    if (index == selected()) return;
    store(index);
    onClick.fire();
  }
  Event onClick;

 protected:
  virtual void store(int index) = 0;
};

}  // namespace vellox
