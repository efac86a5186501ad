#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "app/main_window.h"
#include "fakes/test_env.h"
#include "history/history_store.h"
#include "platform/win32/text.h"
#include "ui/win32/main_window.h"
#include "ui/win32/resources/resource.h"
#include "ui/win32/view_factory.h"

namespace vellox::test {
namespace {

// The real main window, read and clicked through its own window messages
// rather than through the wrapper under test.
std::wstring headerText(HWND list, int column) {
  wchar_t text[64] = {};
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT;
  col.pszText = text;
  col.cchTextMax = 64;
  if (!SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&col))) return L"<none>";
  return text;
}

std::string cell(HWND list, int row, int column) {
  wchar_t text[256] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 256;
  SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return win32::narrow(text);
}

std::vector<std::string> column(HWND list, int c) {
  std::vector<std::string> cells;
  const auto rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int r = 0; r < rows; ++r) cells.push_back(cell(list, r, c));
  return cells;
}

void clickHeader(HWND list, int column) {
  NMLISTVIEW notice{};
  notice.hdr.hwndFrom = list;
  notice.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
  notice.hdr.code = LVN_COLUMNCLICK;
  notice.iItem = -1;
  notice.iSubItem = column;
  SendMessageW(GetParent(list), WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
}

TEST(HistoryWindow, SixColumnsRowsSortedByTitleAndHeaderClicksResort) {
  TestEnv env;
  auto views = win32::makeViewFactory(GetModuleHandleW(nullptr));
  Services services{env.ui,    *views,       env.settings,   env.registry, env.shell,
                    env.files, env.urlCache, env.urlHistory, env.download, env.instance, env.systemFolders};
  env.urlHistory.add(u"http://b.example/", u"Bravo", 30);
  env.urlHistory.add(u"http://c.example/", u"Charlie", static_cast<std::uint32_t>(-1));
  env.urlHistory.add(u"http://a.example/", nullptr, 100);
  createHistoryStore(env.state.historyStore, services);
  {
    frmmain form(services, env.state, [] {});
    form.SSTab1.select(kTabHistory);
    auto& window = static_cast<win32::Win32MainView&>(form.view());
    HWND list = GetDlgItem(window.page(kTabHistory), IDC_URLS);
    ASSERT_NE(list, nullptr);

    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 6);
    const wchar_t* headers[] = {L"Title", L"URL", L"Last visited", L"Last Updated", L"Expires", L"Flags"};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(headerText(list, c), headers[c]);

    EXPECT_EQ(column(list, 0), (std::vector<std::string>{"", "Bravo", "Charlie"}));
    EXPECT_EQ(column(list, 1),
              (std::vector<std::string>{"http://a.example/", "http://b.example/", "http://c.example/"}));
    EXPECT_EQ(column(list, 5), (std::vector<std::string>{"100", "30", "-1"}));
    EXPECT_EQ(cell(list, 0, 2), env.urlHistory.dateText(env.urlHistory.fileTimeToDate(0)));

    clickHeader(list, 5);
    EXPECT_EQ(form.URLs.sortKey(), 5);
    EXPECT_EQ(column(list, 5), (std::vector<std::string>{"-1", "30", "100"}));
    clickHeader(list, 5);
    EXPECT_EQ(column(list, 5), (std::vector<std::string>{"-1", "30", "100"}));
    clickHeader(list, 1);
    EXPECT_EQ(column(list, 0), (std::vector<std::string>{"", "Bravo", "Charlie"}));

    // A fill keeps the chosen key.
    clickHeader(list, 5);
    form.SSTab1.select(kTabAbout);
    form.SSTab1.select(kTabHistory);
    EXPECT_EQ(column(list, 5), (std::vector<std::string>{"-1", "30", "100"}));
    EXPECT_TRUE(env.ui.messages.empty());
  }
}

}  // namespace
}  // namespace vellox::test
