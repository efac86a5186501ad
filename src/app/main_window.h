#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>
#include "common/program_state.h"
#include "platform/services.h"
#include "ui/main_view.h"
#include "ui/tab.h"
#include "wipe/shred_level.h"

namespace vellox {

// The main window: it holds the tabs, each a class in its feature's folder, and
// hands each its slice of the controls, the services it calls and itself as the
// TabHost. Its own handlers are those of the window: "&Ok", "&Help" and the tab strip.
class frmmain : public MainControls, private TabHost {
 public:
  // Loads the window (creates it hidden) and runs Form_Load.
  frmmain(Services& services, ProgramState& state, std::function<void()> requestUnload);
  ~frmmain() override;
  frmmain(const frmmain&) = delete;
  frmmain& operator=(const frmmain&) = delete;

  MainView& view() { return *view_; }
  // The tab of type T, which says its page as T::kPage.
  template <class T>
  T& tab() {
    return static_cast<T&>(*tabs_[T::kPage]);
  }

  void Form_Load();
  void Form_Activate();
  void Form_QueryUnload();
  // Closed: hidden, and no event of the window reaches its handlers any more.
  // The object itself goes later, once no handler of it runs.
  void retire();
  void cmdok_Click();
  void cmdHelp_Click();
  void SSTab1_Click();
  // Every tab's stored options into its controls; nothing acts on them.
  void loadUserPrefs();
  void saveUserPrefs();

 private:
  frmmain(Services& services, ProgramState& state, std::function<void()> requestUnload,
          std::unique_ptr<MainView> view);
  void addTabs();
  template <class T, class... Args>
  void add(Args&&... args) {
    tabs_[T::kPage] = std::make_unique<T>(std::forward<Args>(args)...);
  }

  void setStatus(const std::string& text) override { sbar.setText(text); }
  MousePointer& mousePointer() override { return pointer; }
  std::uintptr_t owner() const override { return view_->nativeHandle(); }
  bool visible() const override { return view_->visible(); }
  void repaint() override { view_->repaint(); }
  std::shared_ptr<const bool> alive() const override { return alive_; }

  Services& services_;
  ProgramState& state_;
  std::function<void()> requestUnload_;
  std::unique_ptr<MainView> view_;
  // False once the window is closed: a handler that let the event loop run
  // checks it before touching the window again, and no event reaches a handler.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  ShredLevel shredLevel_{chkSecureForAll, optQuick};
  // By page, in the order of VELLOX_MAIN_TABS; gone before the view whose controls they use.
  std::array<std::unique_ptr<Tab>, kTabCount> tabs_;
};

}  // namespace vellox
