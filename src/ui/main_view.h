#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "ui/main_controls.h"

namespace vellox {

// The main window's form: its controls and the window itself.
class MainView {
 public:
  virtual ~MainView() = default;
  virtual MainControls& controls() = 0;
  virtual void setCaption(const std::string& caption) = 0;
  virtual std::string caption() const = 0;
  virtual void show() = 0;  // shows it, not modal, and brings it forward
  virtual void hide() = 0;
  virtual bool visible() const = 0;
  virtual void repaint() = 0;
  // The native window, as an owner for message boxes and dialogs; 0 headless.
  virtual std::uintptr_t nativeHandle() const = 0;
  // The close box; the application decides what closing means.
  Event onCloseBox;
  // Full paths dropped on the Secure Wipe tab, in the order given.
  std::function<void(const std::vector<std::string>&)> onFilesDropped;
};

}  // namespace vellox
