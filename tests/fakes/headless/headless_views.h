#pragma once
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include "fakes/headless/headless_controls.h"
#include "fakes/headless/headless_list_box.h"
#include "fakes/headless/headless_list_view.h"
#include "ui/views.h"

namespace vellox {

class HeadlessMainView : public MainView {
 public:
  explicit HeadlessMainView(const TextOrder& order);
  ~HeadlessMainView() override;
  MainControls& controls() override { return controls_; }
  void setCaption(const std::string& caption) override { caption_ = caption; }
  std::string caption() const override { return caption_; }
  void show() override {
    visible_ = true;
    ++shows;
  }
  void hide() override { visible_ = false; }
  bool visible() const override { return visible_; }
  void repaint() override { ++repaints; }
  std::uintptr_t nativeHandle() const override { return 0; }

  HeadlessFocus focus;
  // The window's one group of options, on the Secure Wipe page.
  HeadlessOptionGroup wipeLevel;
  const TextOrder& order;
#define VELLOX_HEADLESS_CONTROL(type, name, ...) Headless##type name;
  VELLOX_MAIN_CONTROLS(VELLOX_HEADLESS_CONTROL)
#undef VELLOX_HEADLESS_CONTROL
  HeadlessMousePointer pointer;

  int shows = 0;
  int repaints = 0;
  // Raised when the view is destroyed, so a test can see the window go.
  bool* destroyedFlag = nullptr;

 private:
  MainControls controls_{VELLOX_MAIN_CONTROLS(VELLOX_CONTROL_NAME) pointer};
  std::string caption_;
  bool visible_ = false;
};

class HeadlessSplashView : public SplashView {
 public:
  void setAction(const std::string& text) override { action_ = text; }
  std::string action() const override { return action_; }
  void setVersion(const std::string& text) override { version_ = text; }
  std::string version() const override { return version_; }
  void setGeneral(const std::string& text) override { general_ = text; }
  std::string general() const override { return general_; }
  void show() override { shown = true; }
  bool shown = false;

 private:
  std::string action_, version_, general_;
};

class HeadlessTrayView : public TrayView {
 public:
  bool addIcon(const std::string& tip) override {
    if (failAdd) return false;
    this->tip = tip;
    iconShown = true;
    return true;
  }
  void removeIcon() override { iconShown = false; }
  TrayMenuItem popupMenu() override {
    ++popups;
    return nextChoice;
  }
  void startRetryTimer(std::chrono::milliseconds interval) override { retryInterval = interval; }
  void stopRetryTimer() override { retryInterval.reset(); }
  void blockSessionEnd(const std::string& reason) override { sessionEndBlockedFor = reason; }
  void allowSessionEnd() override { sessionEndBlockedFor.clear(); }
  std::string sessionEndBlockedFor;
  bool failAdd = false;
  // The retry timer's interval while it runs.
  std::optional<std::chrono::milliseconds> retryInterval;
  bool iconShown = false;
  std::string tip;
  int popups = 0;
  TrayMenuItem nextChoice = TrayMenuItem::None;
};

class HeadlessKeepCookiesView : public KeepCookiesView {
 public:
  KeepCookiesControls& controls() override { return controls_; }
  void show() override { visible_ = true; }
  void close() override { visible_ = false; }
  bool visible() const override { return visible_; }

  HeadlessFocus focus;
  HeadlessListBox lstSites{focus}, lstKept{focus};
  HeadlessButton cmdKeep{focus, "&Keep >"}, cmdRemove{focus, "< &Remove"}, cmdOk{focus, "OK"},
      cmdCancel{focus, "Cancel"};

 private:
  KeepCookiesControls controls_{lstSites, lstKept, cmdKeep, cmdRemove, cmdOk, cmdCancel};
  bool visible_ = false;
};

// Creates headless views and keeps a plain pointer to the newest of each kind;
// a pointer is valid only while its owner keeps the view.
class HeadlessViewFactory : public ViewFactory {
 public:
  // The lists of the windows it makes sort their text in `order`.
  explicit HeadlessViewFactory(const TextOrder& order) : order_(order) {}
  std::unique_ptr<TrayView> createTray() override;
  std::unique_ptr<SplashView> createSplash() override;
  std::unique_ptr<MainView> createMain() override;
  std::unique_ptr<KeepCookiesView> createKeepCookies(std::uintptr_t owner) override;

  bool failTray = false;
  HeadlessTrayView* tray = nullptr;
  HeadlessSplashView* splash = nullptr;
  HeadlessMainView* main = nullptr;
  HeadlessKeepCookiesView* keepCookies = nullptr;
  int mainsCreated = 0;
  int splashesCreated = 0;

 private:
  const TextOrder& order_;
};

}  // namespace vellox
