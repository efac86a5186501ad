#pragma once
#include <memory>
#include <string>
#include <vector>
#include <windows.h>
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/label.h"
#include "ui/mouse_pointer.h"
#include "ui/option_button.h"
#include "ui/progress_bar.h"
#include "ui/status_bar.h"
#include "ui/tab_control.h"
#include "ui/text_box.h"
#include "ui/win32/native_control.h"
#include "ui/win32/window.h"

namespace vellox::win32 {

class Win32Button : public Win32Control<Button> {
 public:
  std::string caption() const override { return windowText(hwnd()); }
  void setCaption(const std::string& caption) override { setWindowText(hwnd(), caption); }
  bool onCommand(int code) override;
};

// A static text; with SS_NOTIFY its clicks reach onClick.
class Win32Label : public Win32Control<Label> {
 public:
  void setText(const std::string& text) override { setWindowText(hwnd(), text); }
  std::string text() const override { return windowText(hwnd()); }
  bool onCommand(int code) override;
};

// A BS_3STATE box: clicks toggle 0 and 1 here, 2 only comes from the program, and
// every change of value, by either, runs onClick.
class Win32CheckBox : public Win32Control<CheckBox> {
 public:
  int value() const override;
  bool onCommand(int code) override;

 protected:
  void store(int value) override;
};

// Selecting one option clears the others of its group, as a click does.
class Win32OptionButton : public Win32Control<OptionButton> {
 public:
  bool value() const override;
  void setValue(bool selected) override;
};

class Win32TextBox : public Win32Control<TextBox> {
 public:
  std::string text() const override { return windowText(hwnd()); }
  void setText(const std::string& text) override { setWindowText(hwnd(), text); }
};

// The first panel of a status bar, repainted at once: long operations do not let
// the message loop run.
class Win32StatusBar : public StatusBar, public NativeControl {
 public:
  void setText(const std::string& text) override;
  std::string text() const override;
};

// The bar and the taskbar button of the window that holds it. Without a taskbar
// (no shell, or one without the interface) only the bar shows the progress.
class Win32ProgressBar : public ProgressBar, public NativeControl {
 public:
  Win32ProgressBar();
  ~Win32ProgressBar() override;
  void setProgress(std::uint64_t done, std::uint64_t total) override;
  void clear() override;
  int permille() const override;

 private:
  void showOnTaskbar(std::uint64_t done, std::uint64_t total, bool active);
  struct Taskbar;
  std::unique_ptr<Taskbar> taskbar_;
};

// A tab control whose pages are sibling windows shown one at a time.
class Win32TabControl : public Win32Control<TabControl> {
 public:
  void setTabs(const std::vector<std::string>& captions, std::vector<HWND> pages);
  // Selects a tab as the window's design does, without running onClick.
  void showTab(int index) { store(index); }
  int selected() const override;
  int count() const override;
  std::string caption(int index) const override;
  bool onNotify(const NMHDR& header, LRESULT& result) override;

 protected:
  void store(int index) override;

 private:
  void showSelectedPage();
  std::vector<HWND> pages_;
};

// The window's pointer. The hourglass shows at once and stays while the
// window's WM_SETCURSOR asks applyTo().
class Win32MousePointer : public MousePointer {
 public:
  explicit Win32MousePointer(const Window& window) : window_(window) {}
  void set(int pointer) override;
  int get() const override { return pointer_; }
  // For WM_SETCURSOR: true when the pointer was set here.
  bool applyTo() const;

 private:
  const Window& window_;
  int pointer_ = kPointerDefault;
};

}  // namespace vellox::win32
