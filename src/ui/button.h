#pragma once
#include "ui/control.h"

namespace vellox {

class Button : public Control {
 public:
  virtual std::string caption() const = 0;
  virtual void setCaption(const std::string& caption) = 0;
  // Acts as a click by the user would: fires onClick when enabled.
  void click() {
    if (enabled()) onClick.fire();
  }
  Event onClick;
};

}  // namespace vellox
