#pragma once
#include "ui/control.h"

namespace vellox {

// Which control of a headless window has the keyboard focus.
struct HeadlessFocus {
  const Control* focused = nullptr;
};

// The enabled and focus state every headless control shares.
template <class Base>
class HeadlessControl : public Base {
 public:
  explicit HeadlessControl(HeadlessFocus& focus) : focus_(focus) {}
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const override { return enabled_; }
  void setFocus() override {
    if (enabled_) focus_.focused = this;
  }
  bool hasFocus() const override { return focus_.focused == this; }

 private:
  HeadlessFocus& focus_;
  bool enabled_ = true;
};

}  // namespace vellox
