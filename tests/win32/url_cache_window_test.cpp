#include <gtest/gtest.h>
#include <algorithm>
#include "platform/win32/text.h"
#include "real_window_support.h"
#include "url_cache_support.h"

namespace vellox::test {
namespace {

std::vector<std::wstring> shownItems(HWND list) {
  std::vector<std::wstring> items;
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(text);
  }
  return items;
}

std::vector<std::wstring> mine(const std::vector<std::wstring>& items, const std::string& token) {
  std::vector<std::wstring> found;
  const std::wstring wide = win32::widen(token);
  for (const auto& item : items)
    if (item.find(wide) != std::wstring::npos) found.push_back(item);
  std::sort(found.begin(), found.end());
  return found;
}

// As the user picks an item: scrolled into view, then clicked.
void clickItem(HWND list, WPARAM index) {
  SendMessageW(list, LB_SETTOPINDEX, index, 0);
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list, WM_LBUTTONUP, 0, at);
}

TEST(CacheWindow, TheRealListShowsEntriesAndItsButtonsDeleteThem) {
  CommittedEntries entries;
  const std::string token = uniqueToken();
  const std::string base = "http://window.test/" + token;
  for (const auto& url : {base + "/caf\xe9", base + "/current", base + "/other", base + "/Cookie"})
    ASSERT_TRUE(entries.commit(url));
  ASSERT_TRUE(entries.commit("Cookie:user@window.test/" + token, COOKIE_CACHE_ENTRY));

  TestEnv env;
  std::unique_ptr<UrlCache> cache = win32::makeUrlCache();
  RealMainWindow w(env.services, *cache, env.registry, env.files);
  w.view.show();
  w.selectTab(kTabCache);
  HWND list = w.view.List1.hwnd();
  const std::wstring wbase = win32::widen(base);
  // Shown in the ANSI code page: the byte E9 reads as e-acute.
  EXPECT_EQ(mine(shownItems(list), token),
            (std::vector<std::wstring>{wbase + L"/Cookie", wbase + L"/caf\u00e9", wbase + L"/current",
                                       wbase + L"/other"}));

  const auto items = shownItems(list);
  const auto at = [&](const std::wstring& text) {
    return static_cast<WPARAM>(std::find(items.begin(), items.end(), text) - items.begin());
  };
  SendMessageW(list, LB_SETSEL, TRUE, static_cast<LPARAM>(at(wbase + L"/other")));
  clickItem(list, at(wbase + L"/caf\u00e9"));
  RealMainWindow::click(w.view.cmdDelSelFromCache.hwnd());
  EXPECT_EQ(mine(shownItems(list), token),
            (std::vector<std::wstring>{wbase + L"/Cookie", wbase + L"/current", wbase + L"/other"}));

  RealMainWindow::click(w.view.cmdDelAllFromCache.hwnd());
  EXPECT_EQ(mine(shownItems(list), token), std::vector<std::wstring>{wbase + L"/Cookie"});
  EXPECT_EQ(w.view.sbar.text(), "");
}

// The native list puts its caret on the first item of every fill; until the
// user clicks an item, "Delete Selected" deletes nothing.
TEST(CacheWindow, DeleteSelectedRightAfterAFillDeletesNothingUntilAnItemIsClicked) {
  TestEnv env;
  for (const char* url : {"http://0.test/", "http://1.test/", "http://2.test/"}) env.urlCache.add(url);
  RealMainWindow w(env.services, env.urlCache, env.registry, env.files);
  w.view.show();
  w.selectTab(kTabCache);
  HWND list = w.view.List1.hwnd();
  ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(list, LB_GETCARETINDEX, 0, 0), 0);

  RealMainWindow::click(w.view.cmdDelSelFromCache.hwnd());
  EXPECT_TRUE(env.urlCache.deleteCalls.empty());
  RealMainWindow::click(w.view.cmdDelSelFromCache.hwnd());  // also after the rebuild that follows
  EXPECT_TRUE(env.urlCache.deleteCalls.empty());

  clickItem(list, 1);
  RealMainWindow::click(w.view.cmdDelSelFromCache.hwnd());
  EXPECT_EQ(env.urlCache.deleteCalls, std::vector<std::string>{"http://1.test/"});
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
}

}  // namespace
}  // namespace vellox::test
