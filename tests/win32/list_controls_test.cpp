#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "gui_test_util.h"
#include "ui/win32/main_window.h"

namespace vellox::test {
namespace {

using win32::Win32MainView;

struct ListControlsTest : ::testing::Test {
  ListControlsTest() {
    initCommonControls();
    view.show();
  }
  Win32MainView view{GetModuleHandleW(nullptr)};
};

std::vector<std::string> column(ListView& list, int index) {
  std::vector<std::string> out;
  for (size_t row = 0; row < list.count(); ++row) out.push_back(list.subItem(row, index));
  return out;
}

std::vector<std::string> keys(ListView& list) {
  std::vector<std::string> out;
  for (size_t row = 0; row < list.count(); ++row) out.push_back(list.key(row));
  return out;
}

TEST_F(ListControlsTest, SortedListOrdersByTheSortKeyColumnAscendingAndKeysFollow) {
  auto& list = view.URLs;
  list.beginUpdate();
  for (const auto& [title, url] : std::vector<std::pair<std::string, std::string>>{
           {"b", "http://3"}, {"c", "http://1"}, {"a", "http://2"}, {"B", "http://0"}}) {
    const auto row = list.addRow(title, "key-" + title);
    list.setSubItem(row, 1, url);
  }
  list.setSorted(true);
  EXPECT_EQ(column(list, 0), (std::vector<std::string>{"b", "c", "a", "B"}));  // not while updating
  list.endUpdate();
  // Case ignored: "b" and "B" tie and keep their order.
  EXPECT_EQ(column(list, 0), (std::vector<std::string>{"a", "b", "B", "c"}));
  EXPECT_EQ(keys(list), (std::vector<std::string>{"key-a", "key-b", "key-B", "key-c"}));
  list.setSortKey(1);
  EXPECT_EQ(column(list, 1), (std::vector<std::string>{"http://0", "http://1", "http://2", "http://3"}));
  EXPECT_EQ(keys(list), (std::vector<std::string>{"key-B", "key-c", "key-a", "key-b"}));
  list.setSubItem(0, 1, "http://9");  // a changed cell moves its row
  EXPECT_EQ(keys(list).back(), "key-B");
}

TEST_F(ListControlsTest, HeaderClickReportsTheZeroBasedColumn) {
  auto& list = view.URLs;
  view.SSTab1.showTab(3);
  std::vector<int> clicked;
  list.onColumnClick = [&](int c) { clicked.push_back(c); };
  HWND header = reinterpret_cast<HWND>(SendMessageW(list.hwnd(), LVM_GETHEADER, 0, 0));
  for (int c : {4, 0}) {
    RECT item{};
    SendMessageW(header, HDM_GETITEMRECT, c, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(header, WM_LBUTTONUP, 0, at);
  }
  EXPECT_EQ(clicked, (std::vector<int>{4, 0}));
}

TEST_F(ListControlsTest, ColumnWidthsAreInTwipsAndHalvesFillAFullListWithoutSideScrolling) {
  auto& list = view.lstcookies;
  view.SSTab1.showTab(1);
  list.setColumnWidth(0, 1440);  // one inch: 96 pixels at 96 DPI
  EXPECT_EQ(SendMessageW(list.hwnd(), LVM_GETCOLUMNWIDTH, 0, 0), 96);

  // As the window's activation does on an empty list, before the rows come.
  list.setColumnWidth(0, list.width() / 2);
  list.setColumnWidth(1, list.width() / 2);
  for (int i = 0; i < 200; ++i) list.setSubItem(list.addRow("cookie" + std::to_string(i), "k"), 1, "C:\\path");
  const LONG style = GetWindowLongW(list.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_FALSE(style & WS_HSCROLL);
  RECT client{};
  GetClientRect(list.hwnd(), &client);
  const auto total = SendMessageW(list.hwnd(), LVM_GETCOLUMNWIDTH, 0, 0) +
                     SendMessageW(list.hwnd(), LVM_GETCOLUMNWIDTH, 1, 0);
  EXPECT_NEAR(total, client.right, 2);  // and the columns fill it
}

TEST_F(ListControlsTest, ListBoxKeepsEveryByteAndShowsItInTheAnsiCodePage) {
  auto& box = view.List1;
  const std::string entry = "http://example.com/caf\xE9?q=\x80\xFF";
  box.beginUpdate();
  box.add("http://first/");
  box.add(entry);
  box.add("http://third/");
  box.endUpdate();
  ASSERT_EQ(box.count(), 3u);
  EXPECT_EQ(box.text(1), entry);  // the exact bytes, not a round trip through UTF-16
  wchar_t shown[128] = {};
  SendMessageW(box.hwnd(), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(shown));
  EXPECT_EQ(std::wstring(shown), L"http://example.com/caf\x00E9?q=\x20AC\x00FF");
}

TEST_F(ListControlsTest, ListBoxSelectsSeveralItemsAndTracksTheCurrentOne) {
  auto& box = view.List1;
  EXPECT_EQ(box.currentIndex(), -1);
  for (const char* url : {"a", "b", "c", "d"}) box.add(url);
  box.setSelected(0, true);
  box.setSelected(2, true);
  EXPECT_EQ(SendMessageW(box.hwnd(), LB_GETSELCOUNT, 0, 0), 2);
  EXPECT_TRUE(box.selected(2));
  EXPECT_FALSE(box.selected(1));
  box.setCurrentIndex(3);
  EXPECT_EQ(box.currentIndex(), 3);

  // A click toggles one item and leaves the others (simple multiple selection).
  view.SSTab1.showTab(2);
  RECT item{};
  SendMessageW(box.hwnd(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
  SendMessageW(box.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(box.hwnd(), WM_LBUTTONUP, 0, at);
  EXPECT_TRUE(box.selected(0) && box.selected(1) && box.selected(2));
  EXPECT_EQ(box.currentIndex(), 1);
  box.clear();
  EXPECT_EQ(box.count(), 0u);
  EXPECT_EQ(box.currentIndex(), -1);
}

TEST_F(ListControlsTest, ListBoxScrollsSidewaysAsFarAsItsWidestItem) {
  auto& box = view.List1;
  RECT client{};
  GetClientRect(box.hwnd(), &client);
  box.add("http://short/");
  EXPECT_LT(SendMessageW(box.hwnd(), LB_GETHORIZONTALEXTENT, 0, 0), client.right);
  box.beginUpdate();
  box.add("http://example.com/" + std::string(300, 'q'));
  box.endUpdate();
  EXPECT_GT(SendMessageW(box.hwnd(), LB_GETHORIZONTALEXTENT, 0, 0), client.right);
  box.clear();
  EXPECT_EQ(SendMessageW(box.hwnd(), LB_GETHORIZONTALEXTENT, 0, 0), 0);
}

}  // namespace
}  // namespace vellox::test
