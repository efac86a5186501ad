#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "ui/keep_cookies_view.h"

namespace vellox {

// The "Cookies to Keep" dialog: the sites that have cookies on the left, those kept
// on the right. Nothing is stored here: OK hands the kept sites to `closed`, Cancel
// hands nothing, and either closes the dialog.
class frmKeepCookies : public KeepCookiesControls {
 public:
  using Closed = std::function<void(const std::vector<std::string>* kept)>;
  frmKeepCookies(std::unique_ptr<KeepCookiesView> view, std::vector<std::string> sitesWithCookies,
                 std::vector<std::string> kept, Closed closed);
  frmKeepCookies(const frmKeepCookies&) = delete;
  frmKeepCookies& operator=(const frmKeepCookies&) = delete;

  KeepCookiesView& view() { return *view_; }
  void cmdKeep_Click();
  void cmdRemove_Click();
  void cmdOk_Click();
  void cmdCancel_Click();

 private:
  void fill();
  void finish(const std::vector<std::string>* kept);

  std::unique_ptr<KeepCookiesView> view_;
  std::vector<std::string> sitesWithCookies_;  // sorted, unique
  std::vector<std::string> kept_;              // sorted, unique
  Closed closed_;
};

}  // namespace vellox
