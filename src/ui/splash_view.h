#pragma once
#include <string>
#include "ui/control.h"

namespace vellox {

class SplashView {
 public:
  virtual ~SplashView() = default;
  virtual void setAction(const std::string& text) = 0;  // lblaction, repainted at once
  virtual std::string action() const = 0;
  virtual void setVersion(const std::string& text) = 0;  // lblversion
  virtual std::string version() const = 0;
  virtual void setGeneral(const std::string& text) = 0;  // lblgeneral
  virtual std::string general() const = 0;
  virtual void show() = 0;
  // Fired when the shown window becomes active.
  Event onActivate;
};

}  // namespace vellox
