#pragma once
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ui/main_view.h"

namespace vellox::test {

// What the window logic relies on from the main window's controls, run against
// the headless window and the real one. A side gives c() (the controls of a new,
// shown window) and the user's gestures: click(CheckBox&), click(OptionButton&),
// click(Button&), click(Label&), clickTab(index) and clickCheck(ListView&, row).
template <class Side>
class ControlsContract : public ::testing::Test {
 protected:
  MainControls& c() { return side.c(); }
  Side side;
};

TYPED_TEST_SUITE_P(ControlsContract);

inline std::vector<std::string> keysOf(const ListView& list) {
  std::vector<std::string> keys;
  for (std::size_t row = 0; row < list.count(); ++row) keys.push_back(list.key(row));
  return keys;
}

TYPED_TEST_P(ControlsContract, ANewWindowStartsOnSecureWipeWithEverythingClearAndEnabled) {
  auto& c = this->c();
  EXPECT_EQ(c.SSTab1.selected(), kTabSecureWipe);
  ASSERT_EQ(c.SSTab1.count(), 8);
  const char* captions[] = {"General", "Cookies", "Cache", "Browser History", "Browsers", "Windows", "Secure Wipe", "&About"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(c.SSTab1.caption(i), captions[i]);
  for (CheckBox* box : {&c.chkautostart, &c.chkdelOnStart, &c.chkDelOnShutDown, &c.Chkautoclearcookies,
                        &c.ChkAutoClearCache, &c.ChkAutoClearHistory, &c.chkdeltempfiles, &c.chkEmptyRecycleBin,
                        &c.chkDelCachedPasswords, &c.chkSecureForAll}) {
    EXPECT_EQ(box->value(), 0);
    EXPECT_TRUE(box->enabled());
  }
  EXPECT_TRUE(c.optQuick.value());
  EXPECT_FALSE(c.optDOD.value());
  EXPECT_EQ(c.cmdWipe.caption(), "&Wipe");
  EXPECT_EQ(c.cmdDelSelFromCache.caption(), "Delete Selected");
  for (TextBox* box : {&c.txtCookieDir, &c.txtFolderToWipe, &c.txtFileToWipe}) EXPECT_EQ(box->text(), "");
  EXPECT_EQ(c.sbar.text(), "");
  EXPECT_EQ(c.pointer.get(), kPointerDefault);
  const std::vector<std::string> cookieHeaders{"Cookie Name", "Cookie Path"};
  const std::vector<std::string> historyHeaders{"Title", "URL", "Last visited", "Last Updated", "Expires", "Flags"};
  const std::vector<std::string> browserHeaders{"Browser", "Profile", "Item", "Found"};
  for (auto [list, headers] : {std::pair{&c.lstcookies, cookieHeaders}, std::pair{&c.URLs, historyHeaders},
                               std::pair{&c.lstBrowsers, browserHeaders}}) {
    EXPECT_EQ(list->count(), 0u);
    EXPECT_FALSE(list->sorted());
    EXPECT_EQ(list->sortKey(), 0);
    ASSERT_EQ(list->columnCount(), static_cast<int>(headers.size()));
    for (int i = 0; i < list->columnCount(); ++i) EXPECT_EQ(list->columnHeader(i), headers[static_cast<size_t>(i)]);
  }
}

TYPED_TEST_P(ControlsContract, ACheckBoxRunsItsHandlerOnEveryChangeByProgramOrClick) {
  auto& box = this->c().chkautostart;
  std::vector<int> seen;
  box.onClick.bind([&] { seen.push_back(box.value()); });
  box.setValue(1);
  box.setValue(1);  // no change, no handler
  box.setValue(2);
  this->side.click(box);  // a click on the grey state checks it
  this->side.click(box);
  box.setValue(0);  // already 0
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 1, 0}));
  EXPECT_EQ(box.value(), 0);
}

TYPED_TEST_P(ControlsContract, OptionButtonsOfOneGroupExcludeEachOther) {
  auto& c = this->c();
  c.optDOD.setValue(true);
  EXPECT_TRUE(c.optDOD.value());
  EXPECT_FALSE(c.optQuick.value());
  this->side.click(c.optQuick);
  EXPECT_TRUE(c.optQuick.value());
  EXPECT_FALSE(c.optDOD.value());
  c.optQuick.setValue(false);  // clearing one selects no other
  EXPECT_FALSE(c.optQuick.value());
  EXPECT_FALSE(c.optDOD.value());
}

// Text boxes and labels keep what they are given; a status bar panel holds one
// line, so its line breaks show as blanks.
TYPED_TEST_P(ControlsContract, TextsComeBackAsSet) {
  auto& c = this->c();
  const struct {
    std::string text, status;
  } cases[] = {
      {"C:\\\xE4\xB8\xAD\xE6\x96\x87\\\xCE\xB1.txt", "C:\\\xE4\xB8\xAD\xE6\x96\x87\\\xCE\xB1.txt"},
      {"line one\r\nline two", "line one  line two"},
      {"", ""},
  };
  for (const auto& [text, status] : cases) {
    c.txtFileToWipe.setText(text);
    c.lblwarning.setText(text);
    c.sbar.setText(text);
    EXPECT_EQ(c.txtFileToWipe.text(), text);
    EXPECT_EQ(c.lblwarning.text(), text);
    EXPECT_EQ(c.sbar.text(), status);
  }
}

TYPED_TEST_P(ControlsContract, DisabledControlsIgnoreClicksAndCannotTakeTheFocus) {
  auto& c = this->c();
  int clicks = 0;
  c.cmdWipe.onClick.bind([&] { ++clicks; });
  c.cmdWipe.setEnabled(false);
  c.txtFileToWipe.setEnabled(false);
  EXPECT_FALSE(c.cmdWipe.enabled());
  this->side.click(c.cmdWipe);
  c.txtFileToWipe.setFocus();
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(c.txtFileToWipe.hasFocus());
  c.cmdWipe.setEnabled(true);
  c.txtFileToWipe.setEnabled(true);
  this->side.click(c.cmdWipe);
  c.txtFileToWipe.setFocus();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(c.txtFileToWipe.hasFocus());
  EXPECT_FALSE(c.cmdWipe.hasFocus());
}

TYPED_TEST_P(ControlsContract, ALabelClickRunsItsHandler) {
  int clicks = 0;
  this->c().lblurl.onClick.bind([&] { ++clicks; });
  this->side.click(this->c().lblurl);
  EXPECT_EQ(clicks, 1);
}

TYPED_TEST_P(ControlsContract, TheTabHandlerRunsOnEachChangeByProgramOrClick) {
  auto& tabs = this->c().SSTab1;
  std::vector<int> seen;
  tabs.onClick.bind([&] { seen.push_back(tabs.selected()); });
  tabs.select(1);
  tabs.select(1);  // same tab: no change
  this->side.clickTab(2);
  tabs.select(0);
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 0}));
}

TYPED_TEST_P(ControlsContract, ListViewRowsKeepTheirKeysSubItemsAndSelection) {
  auto& list = this->c().URLs;
  const std::string unicode = "\xCE\xB1\xCE\xB2\xCE\xB3";
  const std::string longText(3000, 'x');
  EXPECT_EQ(list.addRow(unicode, "k1"), 0u);
  list.setSubItem(0, 1, longText);
  EXPECT_EQ(list.addRow("second", "k2"), 1u);
  list.setSubItem(1, 5, "flags");
  ASSERT_EQ(list.count(), 2u);
  EXPECT_EQ(list.text(0), unicode);
  EXPECT_EQ(list.subItem(0, 1), longText);
  EXPECT_EQ(list.subItem(1, 5), "flags");
  EXPECT_EQ(list.subItem(1, 3), "");
  EXPECT_EQ(keysOf(list), (std::vector<std::string>{"k1", "k2"}));
  EXPECT_FALSE(list.selected(0) || list.selected(1));  // rows come unselected

  list.setSelected(0, true);
  list.setSelected(1, true);
  EXPECT_TRUE(list.selected(0) && list.selected(1));  // several rows at once
  list.setSelected(0, false);
  EXPECT_FALSE(list.selected(0));
  list.removeRow(0);
  EXPECT_EQ(keysOf(list), (std::vector<std::string>{"k2"}));
  EXPECT_TRUE(list.selected(0));
  list.clear();
  EXPECT_EQ(list.count(), 0u);
  EXPECT_EQ(list.addRow("again", "k3"), 0u);
  EXPECT_FALSE(list.selected(0));
}

// Only the user's toggles are told; the program's changes and new rows are not.
TYPED_TEST_P(ControlsContract, ListViewCheckBoxesTellTheUsersTogglesOnly) {
  auto& list = this->c().lstBrowsers;
  std::vector<std::size_t> toggled;
  list.onCheckToggled = [&](std::size_t row) { toggled.push_back(row); };
  for (const char* name : {"Chrome", "Edge", "Firefox"}) list.addRow(name, name);
  EXPECT_FALSE(list.checked(0) || list.checked(1) || list.checked(2));
  list.setChecked(0, true);
  list.setChecked(2, true);
  list.setChecked(2, false);
  EXPECT_TRUE(list.checked(0));
  EXPECT_FALSE(list.checked(2));
  this->side.clickCheck(list, 1);
  this->side.clickCheck(list, 0);
  EXPECT_EQ(toggled, (std::vector<std::size_t>{1, 0}));
  EXPECT_FALSE(list.checked(0));
  EXPECT_TRUE(list.checked(1));
  list.removeRow(0);  // the boxes stay with their rows
  EXPECT_TRUE(list.checked(0));
  EXPECT_FALSE(list.checked(1));
}

TYPED_TEST_P(ControlsContract, ASortedListViewOrdersByTheSortKeyColumnOnceFilled) {
  auto& list = this->c().URLs;
  list.setSorted(true);
  list.beginUpdate();
  for (auto [title, url] : {std::pair{"b", "http://3"}, {"c", "http://1"}, {"a", "http://2"}})
    list.setSubItem(list.addRow(title, std::string("key-") + title), 1, url);
  EXPECT_EQ(keysOf(list), (std::vector<std::string>{"key-b", "key-c", "key-a"}));  // not while filling
  list.endUpdate();
  EXPECT_EQ(keysOf(list), (std::vector<std::string>{"key-a", "key-b", "key-c"}));
  list.setSortKey(1);
  EXPECT_EQ(keysOf(list), (std::vector<std::string>{"key-c", "key-a", "key-b"}));
  EXPECT_EQ(list.subItem(0, 1), "http://1");
  list.setSubItem(0, 1, "http://9");  // a changed cell moves its row
  EXPECT_EQ(keysOf(list), (std::vector<std::string>{"key-a", "key-b", "key-c"}));
  list.setSorted(false);
  list.addRow("0", "key-0");  // unsorted rows go last
  EXPECT_EQ(keysOf(list).back(), "key-0");
}

// Widths are in twips; the real list rounds to whole pixels (15 twips at 96 DPI).
TYPED_TEST_P(ControlsContract, ListViewColumnWidthsAreInTwips) {
  auto& list = this->c().lstcookies;
  EXPECT_GT(list.width(), 1440.0);
  list.setColumnWidth(0, 1440);
  list.setColumnWidth(1, list.width() / 2);
  EXPECT_NEAR(list.columnWidth(0), 1440, 15);
  EXPECT_NEAR(list.columnWidth(1), list.width() / 2, 15);
}

TYPED_TEST_P(ControlsContract, AProgressBarShowsItsShareInThousandthsWithinTheBar) {
  auto& bar = this->c().prgWipe;
  EXPECT_EQ(bar.permille(), 0);
  const struct {
    std::uint64_t done, total;
    int permille;
  } cases[] = {{1, 4, 250}, {5ull << 40, 10ull << 40, 500}, {7, 3, 1000}, {3, 0, 0}};
  for (const auto& step : cases) {
    bar.setProgress(step.done, step.total);
    EXPECT_EQ(bar.permille(), step.permille) << step.done << " of " << step.total;
  }
  bar.setProgress(1, 2);
  bar.clear();
  EXPECT_EQ(bar.permille(), 0);
}

TYPED_TEST_P(ControlsContract, TheMousePointerIsWhatWasLastSet) {
  auto& pointer = this->c().pointer;
  {
    BusyPointer busy(pointer);
    EXPECT_EQ(pointer.get(), kPointerHourglass);
  }
  EXPECT_EQ(pointer.get(), kPointerDefault);
}

REGISTER_TYPED_TEST_SUITE_P(ControlsContract, ANewWindowStartsOnSecureWipeWithEverythingClearAndEnabled,
                            ACheckBoxRunsItsHandlerOnEveryChangeByProgramOrClick,
                            OptionButtonsOfOneGroupExcludeEachOther, TextsComeBackAsSet,
                            DisabledControlsIgnoreClicksAndCannotTakeTheFocus, ALabelClickRunsItsHandler,
                            TheTabHandlerRunsOnEachChangeByProgramOrClick,
                            ListViewRowsKeepTheirKeysSubItemsAndSelection, ListViewCheckBoxesTellTheUsersTogglesOnly,
                            ASortedListViewOrdersByTheSortKeyColumnOnceFilled, ListViewColumnWidthsAreInTwips,
                            AProgressBarShowsItsShareInThousandthsWithinTheBar, TheMousePointerIsWhatWasLastSet);

}  // namespace vellox::test
