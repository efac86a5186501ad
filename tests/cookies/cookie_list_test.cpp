#include <gtest/gtest.h>
#include "cookies/cookie_fixture.h"
#include "cookies/cookies_tab.h"

namespace vellox::test {
namespace {

using Names = std::vector<std::string>;

TEST(CookieList, ListsEveryFileWithItsPathAndSelectsTheLastRow) {
  CookieWindow w;
  w.file("user@site.test[1].txt");
  w.file("hidden.txt").hidden = true;
  w.file("system.txt").system = true;
  w.file("readonly.txt").readOnly = true;
  w.env.files.addFolder(std::string(kCookieFolder) + "\\Low");
  w.file("link.txt").link = true;
  w.file("INDEX.DAT");
  w.file("zz.dat");

  w.view.SSTab1.select(kTabCookies);

  EXPECT_EQ(w.view.txtCookieDir.text(), kCookieFolder);
  EXPECT_EQ(w.names(), (Names{"user@site.test[1].txt", "hidden.txt", "system.txt", "readonly.txt", "INDEX.DAT",
                              "zz.dat"}));
  EXPECT_EQ(w.list.key(0), "C:\\Users\\u\\Cookies\\user@site.test[1].txt");
  EXPECT_EQ(w.list.subItem(0, 1), w.list.key(0));
  EXPECT_EQ(w.selectedRows(), (std::vector<std::size_t>{5}));
  EXPECT_EQ(w.env.ui.doEventsCalls, 8);  // once per folder entry
  EXPECT_EQ(w.view.pointer.history, (std::vector<int>{kPointerHourglass, kPointerDefault}));
  EXPECT_FALSE(w.list.updating());
  EXPECT_TRUE(w.env.ui.messages.empty());
}

TEST(CookieList, TheSeparatorIsNeverDoubled) {
  for (const std::string folder : {"C:\\Users\\u\\Cookies", "C:\\Users\\u\\Cookies\\"}) {
    SCOPED_TRACE(folder);
    CookieWindow w(folder);
    w.file("a.txt");
    w.form->tab<CookiesTab>().loadCookiesList();
    EXPECT_EQ(w.view.txtCookieDir.text(), folder);
    ASSERT_EQ(w.list.count(), 1u);
    EXPECT_EQ(w.list.key(0), "C:\\Users\\u\\Cookies\\a.txt");
    EXPECT_EQ(w.list.subItem(0, 1), "C:\\Users\\u\\Cookies\\a.txt");
  }
}

TEST(CookieList, NoFolderListsNothing) {
  struct Case {
    const char* name;
    void (*setUp)(CookieWindow&);
    std::size_t messages;
  };
  const Case cases[] = {
      {"empty value", [](CookieWindow& w) { w.env.registry.setString(kShellFolders, "Cookies", ""); }, 0},
      {"missing value", [](CookieWindow& w) { w.env.registry.keys.clear(); }, 1},
      {"folder that does not exist",
       [](CookieWindow& w) { w.env.registry.setString(kShellFolders, "Cookies", "C:\\Nowhere"); }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CookieWindow w;
    w.file("a.txt");
    c.setUp(w);
    w.form->tab<CookiesTab>().loadCookiesList();
    EXPECT_EQ(w.list.count(), 0u);
    EXPECT_EQ(w.env.ui.doEventsCalls, 0);  // no folder was walked
    EXPECT_EQ(w.view.pointer.get(), kPointerDefault);
    EXPECT_EQ(w.env.ui.messages.size(), c.messages);
  }
}

TEST(CookieList, IndexDatIsListedOnlyUntilTheFirstDeletionRunEvenWhenDeclined) {
  CookieWindow w;
  w.file("index.dat");
  w.file("Index.Dat");
  w.file("a.txt");
  w.form->tab<CookiesTab>().loadCookiesList();
  EXPECT_EQ(w.names(), (Names{"index.dat", "Index.Dat", "a.txt"}));

  w.env.ui.answers = {MsgAnswer::No};
  w.view.cmddelcookies.click();
  EXPECT_FALSE(w.env.state.showIndexDat);
  EXPECT_EQ(w.names(), (Names{"Index.Dat", "a.txt"}));
  w.view.SSTab1.select(kTabCache);
  w.view.SSTab1.select(kTabCookies);
  EXPECT_EQ(w.names(), (Names{"Index.Dat", "a.txt"}));
}

TEST(CookieList, ANestedListingIsIgnoredAndTheButtonsWaitForTheEnd) {
  CookieWindow w;
  for (int i = 0; i < 3; ++i) w.file(std::to_string(i) + ".txt");
  std::vector<bool> enabled;
  w.env.ui.onDoEvents = [&] {
    for (Button* b : {static_cast<Button*>(&w.view.cmdselectallcookies), static_cast<Button*>(&w.view.cmdselectnocookies),
                      static_cast<Button*>(&w.view.cmdinvertcookiesselection), static_cast<Button*>(&w.view.cmddelcookies)})
      enabled.push_back(b->enabled());
    w.view.SSTab1.select(kTabCache);
    w.view.SSTab1.select(kTabCookies);
    w.form->tab<CookiesTab>().cmddelcookies_Click();
    w.form->tab<CookiesTab>().cmdselectnocookies_Click();
  };
  w.view.SSTab1.select(kTabCookies);

  EXPECT_EQ(w.names(), (Names{"0.txt", "1.txt", "2.txt"}));
  EXPECT_EQ(w.selectedRows(), (std::vector<std::size_t>{2}));
  EXPECT_EQ(enabled, std::vector<bool>(12, false));
  EXPECT_TRUE(w.env.ui.messages.empty());
  EXPECT_TRUE(w.env.files.deletes.empty());
  EXPECT_TRUE(w.view.cmddelcookies.enabled());
  EXPECT_TRUE(w.view.cmdselectallcookies.enabled());
  EXPECT_EQ(w.view.pointer.get(), kPointerDefault);

  w.env.ui.onDoEvents = nullptr;
  w.view.SSTab1.select(kTabCache);
  w.view.SSTab1.select(kTabCookies);
  EXPECT_EQ(w.list.count(), 3u);
}

TEST(CookieList, AWindowClosedWhileTheListingLetsEventsRunEndsItQuietly) {
  CookieWindow w;
  for (int i = 0; i < 3; ++i) w.file(std::to_string(i) + ".txt");
  frmmain* form = w.form.get();
  w.env.ui.onDoEvents = [&] { w.form.reset(); };
  form->tab<CookiesTab>().loadCookiesList();  // must not touch the destroyed window (the sanitizer watches)
  EXPECT_EQ(w.form, nullptr);
  EXPECT_EQ(w.env.ui.doEventsCalls, 1);
}

TEST(CookieList, HasNoLimitOnTheNumberOfRows) {
  CookieWindow w;
  const std::size_t count = 33000;
  for (std::size_t i = 0; i < count; ++i) w.file("c" + std::to_string(i) + ".txt");
  w.form->tab<CookiesTab>().loadCookiesList();
  ASSERT_EQ(w.list.count(), count);
  EXPECT_EQ(w.selectedRows(), (std::vector<std::size_t>{count - 1}));
}

TEST(CookieList, ActivationSplitsTheColumnsEvenly) {
  CookieWindow w;
  w.form->Form_Activate();
  EXPECT_DOUBLE_EQ(w.list.columnWidth(0), w.list.width() / 2.0);
  EXPECT_DOUBLE_EQ(w.list.columnWidth(1), w.list.width() / 2.0);
}

}  // namespace
}  // namespace vellox::test
