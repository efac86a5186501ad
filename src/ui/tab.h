#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include "ui/control.h"
#include "ui/mouse_pointer.h"

namespace vellox {

// What a tab may ask of the window around it; it reaches no other tab through it.
class TabHost {
 public:
  virtual ~TabHost() = default;
  virtual void setStatus(const std::string& text) = 0;
  virtual MousePointer& mousePointer() = 0;
  // The window, as the owner of message boxes and dialogs; 0 headless.
  virtual std::uintptr_t owner() const = 0;
  virtual bool visible() const = 0;
  // Paints what changed before work that does not yield.
  virtual void repaint() = 0;
  // False once the window is closed. A handler that let the event loop run checks it
  // before touching its controls again; work that outlives the window holds it weakly.
  virtual std::shared_ptr<const bool> alive() const = 0;
};

// One page of the main window. It binds its own controls' handlers and keeps its own
// state; the window calls these at the moments named.
class Tab {
 public:
  virtual ~Tab() = default;
  // Its page was chosen.
  virtual void shown() {}
  // The window was shown, for the first time or again.
  virtual void activated() {}
  // The stored options go into its controls. A check box fires its handler on the
  // change, so a handler that acts must tell this load from the user's tick.
  virtual void loadStored() {}
  // "&Ok" keeps its options.
  virtual void saveStored() {}
  // The window closes.
  virtual void unloading() {}
};

// Binds `handler` to `event` for as long as the window is open.
template <class Handler>
void bindWhileOpen(Event& event, std::shared_ptr<const bool> alive, Handler handler) {
  event.bind([alive = std::move(alive), handler = std::move(handler)] {
    if (*alive) handler();
  });
}

}  // namespace vellox
