#pragma once
#include <string>
#include <vector>
#include "fakes/headless/headless_control.h"
#include "ui/list_box.h"

namespace vellox {

class HeadlessListBox : public HeadlessControl<ListBox> {
 public:
  using HeadlessControl::HeadlessControl;

  // As the native control does, a clear puts the caret back on the first item.
  void clear() override {
    items_.clear();
    caret_ = 0;
    none_ = false;
  }
  std::size_t count() const override { return items_.size(); }
  void add(const std::string& text) override {
    items_.push_back({text, false});
    if (updating_ == 0) ++redraws;
  }
  std::string text(std::size_t index) const override { return items_.at(index).text; }
  bool selected(std::size_t index) const override { return items_.at(index).selected; }
  // Selecting an item puts the caret on it, as LB_SETSEL does.
  void setSelected(std::size_t index, bool selected) override {
    items_.at(index).selected = selected;
    if (selected) caret_ = static_cast<long long>(index);
  }
  long long currentIndex() const override { return items_.empty() || none_ ? -1 : caret_; }
  void setCurrentIndex(long long index) override {
    if (index < 0) {
      none_ = true;
    } else if (static_cast<std::size_t>(index) < items_.size()) {
      caret_ = index;
      none_ = false;
    }
  }
  void beginUpdate() override { ++updating_; }
  void endUpdate() override {
    if (updating_ > 0 && --updating_ == 0) ++redraws;
  }
  // How often the list would have been redrawn.
  int redraws = 0;

 private:
  struct Item {
    std::string text;
    bool selected;
  };
  std::vector<Item> items_;
  long long caret_ = 0;
  bool none_ = false;
  int updating_ = 0;
};

}  // namespace vellox
