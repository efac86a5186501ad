#pragma once
#include <functional>
#include <string>

namespace vellox {

// What every control of a window can do: be enabled or disabled, take the focus.
class Control {
 public:
  virtual ~Control() = default;
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
  virtual void setFocus() = 0;
  virtual bool hasFocus() const = 0;
};

// A handler slot: the window logic binds it, the control fires it.
class Event {
 public:
  void bind(std::function<void()> handler) { handler_ = std::move(handler); }
  void fire() const {
    if (handler_) handler_();
  }

 private:
  std::function<void()> handler_;
};

}  // namespace vellox
