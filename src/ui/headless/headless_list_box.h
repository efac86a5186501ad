#pragma once
#include <string>
#include <vector>
#include "ui/headless/headless_control.h"
#include "ui/list_box.h"

namespace vellox {

class HeadlessListBox : public HeadlessControl<ListBox> {
 public:
  using HeadlessControl::HeadlessControl;

  void clear() override {
    items_.clear();
    current_ = -1;
  }
  std::size_t count() const override { return items_.size(); }
  void add(const std::string& text) override {
    items_.push_back({text, false});
    if (updating_ == 0) ++redraws;
  }
  std::string text(std::size_t index) const override { return items_.at(index).text; }
  bool selected(std::size_t index) const override { return items_.at(index).selected; }
  void setSelected(std::size_t index, bool selected) override { items_.at(index).selected = selected; }
  long long currentIndex() const override { return current_; }
  void setCurrentIndex(long long index) override { current_ = index; }
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
  long long current_ = -1;
  int updating_ = 0;
};

}  // namespace vellox
