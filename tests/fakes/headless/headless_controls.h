#pragma once
#include <string>
#include <vector>
#include "ui/button.h"
#include "ui/check_box.h"
#include "fakes/headless/headless_control.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/mouse_pointer.h"
#include "ui/option_button.h"
#include "ui/progress_bar.h"
#include "ui/status_bar.h"
#include "ui/tab_control.h"
#include "ui/text_box.h"

namespace vellox {

class HeadlessButton : public HeadlessControl<Button> {
 public:
  HeadlessButton(HeadlessFocus& focus, std::string caption)
      : HeadlessControl(focus), caption_(std::move(caption)) {}
  std::string caption() const override { return caption_; }
  void setCaption(const std::string& caption) override { caption_ = caption; }

 private:
  std::string caption_;
};

class HeadlessLabel : public HeadlessControl<Label> {
 public:
  using HeadlessControl::HeadlessControl;
  void setText(const std::string& text) override { text_ = text; }
  std::string text() const override { return text_; }

 private:
  std::string text_;
};

class HeadlessCheckBox : public HeadlessControl<CheckBox> {
 public:
  using HeadlessControl::HeadlessControl;
  int value() const override { return value_; }

 protected:
  void store(int value) override { value_ = value; }

 private:
  int value_ = 0;
};

class HeadlessOptionButton;

// The option buttons that exclude each other, as a dialog's group does.
struct HeadlessOptionGroup {
  std::vector<HeadlessOptionButton*> members;
};

class HeadlessOptionButton : public HeadlessControl<OptionButton> {
 public:
  HeadlessOptionButton(HeadlessFocus& focus, HeadlessOptionGroup& group, bool selected)
      : HeadlessControl(focus), group_(group), value_(selected) {
    group_.members.push_back(this);
  }
  HeadlessOptionButton(const HeadlessOptionButton&) = delete;
  HeadlessOptionButton& operator=(const HeadlessOptionButton&) = delete;
  bool value() const override { return value_; }
  // Selecting one clears the others of its group.
  void setValue(bool selected) override {
    if (selected)
      for (auto* other : group_.members) other->value_ = false;
    value_ = selected;
  }

 private:
  HeadlessOptionGroup& group_;
  bool value_;
};

class HeadlessTextBox : public HeadlessControl<TextBox> {
 public:
  using HeadlessControl::HeadlessControl;
  std::string text() const override { return text_; }
  void setText(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

class HeadlessProgressBar : public ProgressBar {
 public:
  void setProgress(std::uint64_t done, std::uint64_t total) override { permille_ = progressPermille(done, total); }
  void clear() override { permille_ = 0; }
  int permille() const override { return permille_; }

 private:
  int permille_ = 0;
};

class HeadlessStatusBar : public StatusBar {
 public:
  // A status bar panel holds one line: line breaks show as blanks.
  void setText(const std::string& text) override {
    text_ = text;
    for (auto& c : text_)
      if (c == '\r' || c == '\n') c = ' ';
    history.push_back(text_);
  }
  std::string text() const override { return text_; }
  std::vector<std::string> history;  // every text it showed, in order

 private:
  std::string text_;
};

class HeadlessMousePointer : public MousePointer {
 public:
  void set(int pointer) override {
    pointer_ = pointer;
    history.push_back(pointer);
  }
  int get() const override { return pointer_; }
  std::vector<int> history;  // every pointer it was set to, in order

 private:
  int pointer_ = kPointerDefault;
};

class HeadlessTabControl : public HeadlessControl<TabControl> {
 public:
  HeadlessTabControl(HeadlessFocus& focus, std::vector<std::string> captions, int selected)
      : HeadlessControl(focus), captions_(std::move(captions)), selected_(selected) {}
  int selected() const override { return selected_; }
  int count() const override { return static_cast<int>(captions_.size()); }
  std::string caption(int index) const override { return captions_.at(static_cast<size_t>(index)); }

 protected:
  void store(int index) override { selected_ = index; }

 private:
  std::vector<std::string> captions_;
  int selected_;
};

}  // namespace vellox
