#pragma once
#include <initializer_list>
#include <memory>
#include <vector>
#include "ui/main_controls.h"

namespace vellox {

// One run of the cookie listing. The listing lets other events in between
// entries, so meanwhile the Cookies tab's buttons are disabled, a nested listing
// is refused through `running`, the hourglass shows and the list does not redraw.
// All of it is put back on every way out, unless the window itself was closed
// by one of those events: then there is nothing left to put back.
class CookieListingScope {
 public:
  CookieListingScope(bool& running, CookiesControls& form, MousePointer& pointer, std::shared_ptr<const bool> alive)
      : running_(running), form_(form), pointer_(pointer), alive_(std::move(alive)) {
    running_ = true;
    for (Control* button : std::initializer_list<Control*>{&form.cmdselectallcookies, &form.cmdselectnocookies,
                                                           &form.cmdinvertcookiesselection, &form.cmddelcookies}) {
      saved_.push_back({button, button->enabled()});
      button->setEnabled(false);
    }
    pointer_.set(kPointerHourglass);
  }
  ~CookieListingScope() {
    if (windowGone()) return;
    if (filling_) form_.lstcookies.endUpdate();
    for (const auto& [button, enabled] : saved_) button->setEnabled(enabled);
    pointer_.set(kPointerDefault);
    running_ = false;
  }
  CookieListingScope(const CookieListingScope&) = delete;
  CookieListingScope& operator=(const CookieListingScope&) = delete;

  void beginFill() {
    form_.lstcookies.beginUpdate();
    filling_ = true;
  }
  bool windowGone() const { return !*alive_; }

 private:
  struct Saved {
    Control* button;
    bool enabled;
  };
  bool& running_;
  CookiesControls& form_;
  MousePointer& pointer_;
  std::shared_ptr<const bool> alive_;
  std::vector<Saved> saved_;
  bool filling_ = false;
};

}  // namespace vellox
