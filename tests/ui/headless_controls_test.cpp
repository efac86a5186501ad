#include <gtest/gtest.h>
#include "ui/headless/headless_views.h"

namespace vellox {
namespace {

TEST(CheckBox, HandlerRunsOnEveryChangeOfValueAndOnlyThen) {
  HeadlessFocus focus;
  HeadlessCheckBox box(focus);
  std::vector<int> seen;
  box.onClick.bind([&] { seen.push_back(box.value()); });
  box.setValue(1);
  box.setValue(1);
  box.setValue(2);
  box.setValue(0);
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 0}));
}

TEST(TabControl, SelectingAnotherTabFiresAndTheSameTabDoesNot) {
  HeadlessFocus focus;
  HeadlessTabControl tabs(focus, {"a", "b", "c"}, 2);
  int fired = 0;
  tabs.onClick.bind([&] { ++fired; });
  tabs.select(2);
  tabs.select(0);
  tabs.select(1);
  EXPECT_EQ(fired, 2);
  EXPECT_EQ(tabs.selected(), 1);
}

TEST(ListView, KeepsRowsOrderedByTheSortKeyColumnOnceFilled) {
  HeadlessFocus focus;
  HeadlessListView list(focus, {"Title", "URL"}, 100);
  list.setSorted(true);
  list.beginUpdate();
  for (auto [title, url] : {std::pair{"b", "3"}, {"c", "1"}, {"a", "2"}}) {
    auto row = list.addRow(title, "");
    list.setSubItem(row, 1, url);
  }
  EXPECT_EQ(list.text(0), "b");  // no reordering while filling
  list.endUpdate();
  EXPECT_EQ(list.text(0), "a");
  EXPECT_EQ(list.text(2), "c");
  list.setSortKey(1);
  EXPECT_EQ(list.subItem(0, 1), "1");
  EXPECT_EQ(list.text(0), "c");
}

TEST(Button, ADisabledButtonIgnoresClicksAndCannotTakeTheFocus) {
  HeadlessFocus focus;
  HeadlessButton button(focus, "&Wipe");
  int clicks = 0;
  button.onClick.bind([&] { ++clicks; });
  button.setEnabled(false);
  button.click();
  button.setFocus();
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(button.hasFocus());
  button.setEnabled(true);
  button.click();
  button.setFocus();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(button.hasFocus());
}

}  // namespace
}  // namespace vellox
