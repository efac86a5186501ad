#include <gtest/gtest.h>
#include <algorithm>
#include "cookies_support.h"
#include "platform/win32/text.h"
#include "real_window_support.h"

namespace vellox::test {
namespace {

struct Row {
  std::wstring name, path;
  bool operator==(const Row&) const = default;
  bool operator<(const Row& other) const { return name < other.name; }
};

std::wstring cell(HWND list, int row, int column) {
  wchar_t buffer[1024] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = 1024;
  SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

std::vector<Row> shownRows(HWND list) {
  std::vector<Row> rows;
  const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) rows.push_back({cell(list, i, 0), cell(list, i, 1)});
  std::sort(rows.begin(), rows.end());
  return rows;
}

void selectRows(HWND list, const std::vector<std::wstring>& names) {
  const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = std::find(names.begin(), names.end(), cell(list, i, 0)) != names.end() ? LVIS_SELECTED : 0;
    SendMessageW(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
  }
}

struct Question {
  std::wstring text;
  bool yesAndNo = false;
};

// Answers the next "Delete Cookies" question from another thread, as a user would.
auto answerWith(int button, Question& seen) {
  return [button, &seen](HWND box) {
    seen.text = staticTexts(box);
    seen.yesAndNo = GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
  };
}

TEST(CookieWindow, ShowsTheCookieFolderAndDeletesThroughTheQuestion) {
  CookieFolder folder;
  ShellFoldersCookies value(folder.path());
  for (const char* name : {"user@site.test[1].txt", "index.dat", "keep.txt"}) folder.write(name);
  folder.write("readonly.txt", FILE_ATTRIBUTE_READONLY);
  folder.write("hidden.txt", FILE_ATTRIBUTE_HIDDEN);

  TestEnv env;
  std::unique_ptr<Registry> registry = win32::makeRegistry();
  std::unique_ptr<Files> files = win32::makeFiles();
  RealMainWindow w(env.services, env.urlCache, *registry, *files);
  w.state.showIndexDat = true;
  w.view.show();
  w.form->Form_Activate();
  w.selectTab(kTabCookies);

  const std::wstring dir = win32::widen(folder.path()) + L"\\";
  HWND list = w.view.lstcookies.hwnd();
  EXPECT_EQ(textOf(w.view.txtCookieDir.hwnd()), folder.path());
  EXPECT_EQ(shownRows(list), (std::vector<Row>{{L"hidden.txt", dir + L"hidden.txt"},
                                                {L"index.dat", dir + L"index.dat"},
                                                {L"keep.txt", dir + L"keep.txt"},
                                                {L"readonly.txt", dir + L"readonly.txt"},
                                                {L"user@site.test[1].txt", dir + L"user@site.test[1].txt"}}));

  // Declined: nothing goes, and index.dat is no longer shown.
  Question declined;
  WindowWatcher no(L"#32770", L"Delete Cookies", answerWith(IDNO, declined));
  RealMainWindow::click(w.view.cmddelcookies.hwnd());
  ASSERT_TRUE(no.found());
  EXPECT_NE(declined.text.find(L"Are you sure you wish to delete the selected cookies?"), std::wstring::npos);
  EXPECT_TRUE(declined.yesAndNo);
  EXPECT_EQ(shownRows(list).size(), 4u);
  EXPECT_TRUE(folder.exists("index.dat"));

  selectRows(list, {L"readonly.txt", L"user@site.test[1].txt", L"hidden.txt"});
  Question accepted;
  WindowWatcher yes(L"#32770", L"Delete Cookies", answerWith(IDYES, accepted));
  RealMainWindow::click(w.view.cmddelcookies.hwnd());
  ASSERT_TRUE(yes.found());
  EXPECT_EQ(shownRows(list), (std::vector<Row>{{L"keep.txt", dir + L"keep.txt"}}));
  EXPECT_FALSE(folder.exists("readonly.txt"));
  EXPECT_FALSE(folder.exists("hidden.txt"));
  EXPECT_TRUE(folder.exists("keep.txt"));
  EXPECT_EQ(w.view.sbar.text(), "");
}

}  // namespace
}  // namespace vellox::test
