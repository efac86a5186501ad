#pragma once
#include "ui/button.h"
#include "ui/control.h"
#include "ui/list_box.h"

namespace vellox {

// The controls of the "Cookies to Keep" dialog, by the names its handlers use.
struct KeepCookiesControls {
  ListBox& lstSites;  // "Sites with cookies"
  ListBox& lstKept;   // "Sites to keep"
  Button& cmdKeep;
  Button& cmdRemove;
  Button& cmdOk;
  Button& cmdCancel;
};

// The "Cookies to Keep" dialog. While it is shown its owner takes no input, as
// under a modal dialog, yet no loop of its own runs: its handlers end it.
class KeepCookiesView {
 public:
  virtual ~KeepCookiesView() = default;
  virtual KeepCookiesControls& controls() = 0;
  virtual void show() = 0;
  // Hides it and gives the owner its input back.
  virtual void close() = 0;
  virtual bool visible() const = 0;
  // The close box and Esc: Cancel.
  Event onCloseBox;
};

}  // namespace vellox
