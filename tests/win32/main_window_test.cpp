#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "gui_test_util.h"
#include "ui/win32/main_window.h"
#include "ui/win32/resources/resource.h"

namespace vellox::test {
namespace {

using win32::Win32MainView;

struct MainWindowTest : ::testing::Test {
  MainWindowTest() { initCommonControls(); }
  Win32MainView view{GetModuleHandleW(nullptr)};
  HWND control(int page, int id) { return GetDlgItem(GetDlgItem(view.hwnd(), page), id); }
};

TEST_F(MainWindowTest, HasEightTabsInOrderWithSecureWipeSelectedAndItsPageShown) {
  HWND tab = GetDlgItem(view.hwnd(), IDC_SSTAB1);
  const std::vector<std::string> expected = {"General",  "Cookies",     "Cache", "Browser History",
                                             "Browsers", "Windows", "Secure Wipe", "&About"};
  ASSERT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 8);
  for (int i = 0; i < 8; ++i) {
    wchar_t buffer[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 64;
    SendMessageW(tab, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(win32::narrow(buffer), expected[static_cast<size_t>(i)]);
    const bool shown = (GetWindowLongW(GetDlgItem(view.hwnd(), IDC_PAGE_GENERAL + i), GWL_STYLE) & WS_VISIBLE) != 0;
    EXPECT_EQ(shown, i == kTabSecureWipe) << "page " << i;
  }
  EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), kTabSecureWipe);
  EXPECT_EQ(view.SSTab1.selected(), kTabSecureWipe);
  EXPECT_FALSE(view.visible());
  EXPECT_EQ(view.caption(), " Tarn Vellox");
}

TEST_F(MainWindowTest, EveryFrameAndControlCarriesItsCaption) {
  const struct {
    int page, id;
    const char* caption;
  } cases[] = {
      {0, IDC_CMDOK, "&Ok"}, {0, IDC_CMDHELP, "&Help"},
      {IDC_PAGE_GENERAL, IDC_FRAME1, "General Operation"},
      {IDC_PAGE_GENERAL, IDC_CHKAUTOSTART, "Start up with windows"},
      {IDC_PAGE_GENERAL, IDC_CHKDELONSTART, "Eliminate evidence on startup"},
      {IDC_PAGE_GENERAL, IDC_CHKDELONSHUTDOWN, "Eliminate evidence on shutdown"},
      {IDC_PAGE_GENERAL, IDC_CHKAUTOCLEARCOOKIES, "Delete Cookies Automatically"},
      {IDC_PAGE_GENERAL, IDC_CHKAUTOCLEARCACHE, "Clear Cache Automatically"},
      {IDC_PAGE_GENERAL, IDC_CHKAUTOCLEARHISTORY, "Clear visited URL History Automatically"},
      {IDC_PAGE_GENERAL, IDC_FRAME5, "Miscellaneous Options"},
      {IDC_PAGE_GENERAL, IDC_CHKDELTEMPFILES, "Clear Temporary files"},
      {IDC_PAGE_GENERAL, IDC_CHKEMPTYRECYCLEBIN, "Empty Recycle Bin"},
      {IDC_PAGE_COOKIES, IDC_FRAME2, "Cookie Information"},
      {IDC_PAGE_COOKIES, IDC_LABEL1, "Cookie Directory:"},
      {IDC_PAGE_COOKIES, IDC_LABEL2, "Cookies:"},
      {IDC_PAGE_COOKIES, IDC_CMDSELECTALLCOOKIES, "Select All"},
      {IDC_PAGE_COOKIES, IDC_CMDSELECTNOCOOKIES, "Select None"},
      {IDC_PAGE_COOKIES, IDC_CMDINVERTCOOKIESSELECTION, "Invert Selection"},
      {IDC_PAGE_COOKIES, IDC_CMDDELCOOKIES, "&Delete Cookies"},
      {IDC_PAGE_CACHE, IDC_FRAME3, "Cache Contents"},
      {IDC_PAGE_CACHE, IDC_CMDDELSELFROMCACHE, "Delete Selected"},
      {IDC_PAGE_CACHE, IDC_CMDDELALLFROMCACHE, "Clear Cache"},
      {IDC_PAGE_CACHE, IDC_CMDINVERTCACHESEL, "Invert Selection"},
      {IDC_PAGE_CACHE, IDC_CHKDELCACHEDPASSWORDS, "Delete Cached passwords"},
      {IDC_PAGE_HISTORY, IDC_FRAME4, "Visited Sites"},
      {IDC_PAGE_HISTORY, IDC_CMDCLEARHISTORY, "Clear History"},
      {IDC_PAGE_BROWSERS, IDC_FRAME10, "Web Browsers"},
      {IDC_PAGE_BROWSERS, IDC_CMDANALYZE, "&Analyze"},
      {IDC_PAGE_BROWSERS, IDC_CMDCLEAN, "C&lean"},
      {IDC_PAGE_BROWSERS, IDC_CMDKEEPCOOKIES, "Cookies to &Keep..."},
      {IDC_PAGE_WIPE, IDC_FRAME6, "Secure Erasing"},
      {IDC_PAGE_WIPE, IDC_FRAMEFOLDER, "Wipe Folder"},
      {IDC_PAGE_WIPE, IDC_LABEL3, "Folder"},
      {IDC_PAGE_WIPE, IDC_CMDBROWSEFORFOLDER, "Browse..."},
      {IDC_PAGE_WIPE, IDC_FRAMEFILE, "Wipe File"},
      {IDC_PAGE_WIPE, IDC_LABEL4, "File"},
      {IDC_PAGE_WIPE, IDC_CMDBROWSEFORFILE, "Browse..."},
      {IDC_PAGE_WIPE, IDC_CHKSECUREFORALL, "Secure Wipe all other areas"},
      {IDC_PAGE_WIPE, IDC_FRAME9, "Shredding Level"},
      {IDC_PAGE_WIPE, IDC_OPTQUICK, "Quick( 3 passes)"},
      {IDC_PAGE_WIPE, IDC_OPTDOD, "US DOD (7passes)"},
      {IDC_PAGE_WIPE, IDC_CMDWIPE, "&Wipe"},
      {IDC_PAGE_ABOUT, IDC_CMDCHECKFORUPDATES, "&Check for updates..."},
  };
  for (const auto& c : cases) {
    HWND hwnd = c.page ? control(c.page, c.id) : GetDlgItem(view.hwnd(), c.id);
    ASSERT_NE(hwnd, nullptr) << c.caption;
    EXPECT_EQ(textOf(hwnd), c.caption);
  }
  for (int id : {IDC_TXTFOLDERTOWIPE, IDC_TXTFILETOWIPE}) EXPECT_EQ(textOf(control(IDC_PAGE_WIPE, id)), "");
  EXPECT_EQ(textOf(control(IDC_PAGE_COOKIES, IDC_TXTCOOKIEDIR)), "");
  for (int id : {IDC_PICTURE2, IDC_LBLAPPNAME, IDC_LBLPROGINFO, IDC_LBLADDRESS, IDC_LBLWARNING, IDC_LBLURL, IDC_LINE1})
    EXPECT_NE(control(IDC_PAGE_ABOUT, id), nullptr) << id;
  EXPECT_NE(GetDlgItem(view.hwnd(), IDC_PICTURE1), nullptr);
  // Every check box starts unchecked, Quick chosen.
  EXPECT_EQ(view.chkautostart.value(), 0);
  EXPECT_EQ(view.chkEmptyRecycleBin.value(), 0);
  EXPECT_TRUE(view.optQuick.value());
  EXPECT_FALSE(view.optDOD.value());
}

RECT rectIn(HWND hwnd, HWND parent) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST_F(MainWindowTest, NestedFramesLieInsideTheirOuterFrame) {
  const struct {
    int page, outer;
    std::vector<int> inner;
  } cases[] = {
      {IDC_PAGE_GENERAL, IDC_FRAME1, {IDC_FRAME5, IDC_CHKAUTOSTART, IDC_CHKAUTOCLEARHISTORY}},
      {IDC_PAGE_GENERAL, IDC_FRAME5, {IDC_CHKDELTEMPFILES, IDC_CHKEMPTYRECYCLEBIN}},
      {IDC_PAGE_WIPE, IDC_FRAME6, {IDC_FRAMEFOLDER, IDC_FRAMEFILE, IDC_FRAME9, IDC_CHKSECUREFORALL, IDC_CHKEXPLORERVERB,
                                IDC_CMDWIPE}},
      {IDC_PAGE_WIPE, IDC_FRAMEFOLDER, {IDC_LABEL3, IDC_TXTFOLDERTOWIPE, IDC_CMDBROWSEFORFOLDER}},
      {IDC_PAGE_WIPE, IDC_FRAME9, {IDC_OPTQUICK, IDC_OPTDOD}},
  };
  for (const auto& c : cases) {
    HWND page = GetDlgItem(view.hwnd(), c.page);
    const RECT outer = rectIn(GetDlgItem(page, c.outer), page);
    for (int id : c.inner) EXPECT_TRUE(inside(rectIn(GetDlgItem(page, id), page), outer)) << c.outer << " " << id;
  }
}

TEST_F(MainWindowTest, ClientAreaIsAboutTheDesignedSizeAndPagesFitTheTabControl) {
  RECT client{};
  GetClientRect(view.hwnd(), &client);
  // 8160 x 7410 twips are 544 x 494 pixels at 96 DPI; fonts move that a little.
  EXPECT_NEAR(client.right, 544, 40);
  EXPECT_NEAR(client.bottom, 494, 40);
  const RECT tab = rectIn(GetDlgItem(view.hwnd(), IDC_SSTAB1), view.hwnd());
  for (int i = 0; i < 6; ++i)
    EXPECT_TRUE(inside(rectIn(GetDlgItem(view.hwnd(), IDC_PAGE_GENERAL + i), view.hwnd()), tab)) << i;
}

TEST_F(MainWindowTest, ListsHaveTheirColumnsAndTheStatusBarItsText) {
  ASSERT_EQ(view.lstcookies.columnCount(), 2);
  EXPECT_EQ(view.lstcookies.columnHeader(0), "Cookie Name");
  EXPECT_EQ(view.lstcookies.columnHeader(1), "Cookie Path");
  const std::vector<std::string> history = {"Title", "URL", "Last visited", "Last Updated", "Expires", "Flags"};
  ASSERT_EQ(view.URLs.columnCount(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(view.URLs.columnHeader(i), history[static_cast<size_t>(i)]);

  HWND bar = GetDlgItem(view.hwnd(), IDC_SBAR);
  wchar_t className[64] = {};
  GetClassNameW(bar, className, 64);
  EXPECT_EQ(std::wstring(className), STATUSCLASSNAMEW);
  view.sbar.setText("Currently wiping C:\\\xCE\xB1.txt");
  wchar_t shown[128] = {};
  SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(shown));
  EXPECT_EQ(std::wstring(shown), L"Currently wiping C:\\\x03B1.txt");
  EXPECT_EQ(view.sbar.text(), "Currently wiping C:\\\xCE\xB1.txt");
  view.sbar.setText("");
  EXPECT_EQ(view.sbar.text(), "");
}

TEST_F(MainWindowTest, CloseBoxAndEscapeReachTheCloseHandler) {
  int closes = 0;
  view.onCloseBox.bind([&] { ++closes; });
  SendMessageW(view.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(IsWindow(view.hwnd()));  // the application decides; the view stays until destroyed
  SendMessageW(view.hwnd(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(closes, 2);
}

TEST(MainWindowLifetime, DestroyingTheViewDestroysTheWindow) {
  initCommonControls();
  HWND hwnd = nullptr;
  {
    Win32MainView view(GetModuleHandleW(nullptr));
    hwnd = view.hwnd();
    EXPECT_TRUE(IsWindow(hwnd));
  }
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MainWindowTest, BusyPointerIsTheHourglassOverTheWindow) {
  view.show();
  const auto setCursor = [&](HWND over) {
    return SendMessageW(over, WM_SETCURSOR, reinterpret_cast<WPARAM>(over), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  };
  HWND wipe = control(IDC_PAGE_WIPE, IDC_CMDWIPE);
  view.pointer.set(11);
  EXPECT_EQ(view.pointer.get(), 11);
  EXPECT_TRUE(setCursor(wipe));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  view.pointer.set(0);
  EXPECT_EQ(view.pointer.get(), 0);
  setCursor(wipe);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

}  // namespace
}  // namespace vellox::test
