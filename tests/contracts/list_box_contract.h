#pragma once
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ui/list_box.h"

namespace vellox::test {

// What every ListBox does, the headless one and the one over the native control
// alike. `Maker` is default-constructible and gives a fresh, empty list box with box().
template <class Maker>
class ListBoxContract : public ::testing::Test {
 protected:
  Maker maker;
  ListBox& box = maker.box();

  void fill(const std::vector<std::string>& items) {
    box.beginUpdate();
    box.clear();
    for (const auto& item : items) box.add(item);
    box.endUpdate();
  }
  std::vector<std::size_t> selectedItems() {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < box.count(); ++i)
      if (box.selected(i)) found.push_back(i);
    return found;
  }
};

TYPED_TEST_SUITE_P(ListBoxContract);

TYPED_TEST_P(ListBoxContract, AFillKeepsTheBytesAndOrderAndPutsTheCaretOnTheFirstItem) {
  auto& box = this->box;
  EXPECT_EQ(box.count(), 0u);
  EXPECT_EQ(box.currentIndex(), -1);
  const std::vector<std::string> items = {"http://b.test/", "http://caf\xe9.test/\xff", "http://a.test/"};
  this->fill(items);
  ASSERT_EQ(box.count(), 3u);
  for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(box.text(i), items[i]);
  EXPECT_EQ(box.currentIndex(), 0);
  EXPECT_TRUE(this->selectedItems().empty());
  this->fill(items);
  EXPECT_EQ(box.count(), 3u);  // cleared first, not appended
}

TYPED_TEST_P(ListBoxContract, NoCurrentItemLastsUntilOneIsSetAndAClearBringsTheCaretBack) {
  auto& box = this->box;
  this->fill({"a", "b", "c"});
  box.setCurrentIndex(-1);
  EXPECT_EQ(box.currentIndex(), -1);
  box.add("d");
  box.setSelected(1, true);
  box.setCurrentIndex(4);  // past the end: ignored
  EXPECT_EQ(box.currentIndex(), -1);
  box.setCurrentIndex(2);
  EXPECT_EQ(box.currentIndex(), 2);
  box.setCurrentIndex(-1);
  this->fill({"x", "y"});
  EXPECT_EQ(box.currentIndex(), 0);
  box.clear();
  EXPECT_EQ(box.currentIndex(), -1);
}

TYPED_TEST_P(ListBoxContract, SelectingAnItemPutsTheCaretOnItButNoCurrentItemStaysNone) {
  auto& box = this->box;
  this->fill({"a", "b", "c", "d"});
  box.setCurrentIndex(1);
  box.setSelected(3, true);
  EXPECT_EQ(box.currentIndex(), 3);
  box.setSelected(0, true);
  box.setSelected(3, false);  // a deselection leaves the caret where it is
  EXPECT_EQ(this->selectedItems(), (std::vector<std::size_t>{0}));
  EXPECT_EQ(box.currentIndex(), 0);
  box.setCurrentIndex(-1);
  box.setSelected(2, true);
  EXPECT_EQ(box.currentIndex(), -1);
  this->fill({"a", "b"});
  EXPECT_TRUE(this->selectedItems().empty());
}

REGISTER_TYPED_TEST_SUITE_P(ListBoxContract, AFillKeepsTheBytesAndOrderAndPutsTheCaretOnTheFirstItem,
                            NoCurrentItemLastsUntilOneIsSetAndAClearBringsTheCaretBack,
                            SelectingAnItemPutsTheCaretOnItButNoCurrentItemStaysNone);

}  // namespace vellox::test
