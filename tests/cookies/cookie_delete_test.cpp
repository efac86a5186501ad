#include <gtest/gtest.h>
#include "cookies/cookie_fixture.h"
#include "cookies/cookies_tab.h"

namespace vellox::test {
namespace {

using Names = std::vector<std::string>;
using Rows = std::vector<std::size_t>;

std::string pathOf(const std::string& name) { return std::string(kCookieFolder) + "\\" + name; }

TEST(DeleteCookies, AsksFirstAndAnswerNoDeletesNothingButRebuilds) {
  CookieWindow w;
  w.file("a.txt");
  w.file("b.txt");
  w.form->tab<CookiesTab>().loadCookiesList();
  w.select({0, 1});
  w.file("late.txt");
  w.view.pointer.history.clear();
  w.env.ui.answers = {MsgAnswer::No};

  w.view.cmddelcookies.click();

  ASSERT_EQ(w.env.ui.messages.size(), 1u);
  const auto& question = w.env.ui.messages[0];
  EXPECT_EQ(question.text, "Are you sure you wish to delete the selected cookies?");
  EXPECT_EQ(question.caption, "Delete Cookies");
  EXPECT_EQ(question.icon, MsgIcon::Question);
  EXPECT_EQ(question.buttons, MsgButtons::YesNo);
  EXPECT_TRUE(w.env.files.deletes.empty());
  EXPECT_EQ(w.names(), (Names{"a.txt", "b.txt", "late.txt"}));
  EXPECT_EQ(w.selectedRows(), (Rows{2}));
  EXPECT_EQ(w.view.sbar.history, (Names{"Deleting cookies...", ""}));
  // Only the rebuild touched the pointer.
  EXPECT_EQ(w.view.pointer.history, (std::vector<int>{kPointerHourglass, kPointerDefault}));
}

TEST(DeleteCookies, DeletesSelectedRowsFromTheLastToTheFirst) {
  CookieWindow w;
  for (const char* name : {"1.txt", "2.txt", "3.txt", "4.txt", "5.txt"}) w.file(name);
  w.form->tab<CookiesTab>().loadCookiesList();
  w.select({1, 3});
  w.form->tab<CookiesTab>().cmddelcookies_Click();
  EXPECT_EQ(w.env.files.deletes, (Names{pathOf("4.txt"), pathOf("2.txt")}));
  EXPECT_EQ(w.names(), (Names{"1.txt", "3.txt", "5.txt"}));
  EXPECT_EQ(w.selectedRows(), (Rows{2}));
  EXPECT_EQ(w.view.pointer.get(), kPointerDefault);
}

TEST(DeleteCookies, ReadOnlyIsRetriedOnceOtherFailuresStayQuiet) {
  CookieWindow w;
  w.file("plain.txt");
  w.file("readonly.txt").readOnly = true;
  w.file("locked.txt").locked = true;
  w.file("vanishing.txt");
  w.file("kept.txt");
  w.form->tab<CookiesTab>().loadCookiesList();
  w.select({0, 1, 2, 3});
  w.env.files.deleteFile(pathOf("vanishing.txt"));
  w.env.files.deletes.clear();

  w.form->tab<CookiesTab>().cmddelcookies_Click();

  // The vanished file is never opened, so no delete is tried on it.
  EXPECT_EQ(w.env.files.deletes,
            (Names{pathOf("locked.txt"), pathOf("readonly.txt"), pathOf("readonly.txt"), pathOf("plain.txt")}));
  EXPECT_EQ(w.env.files.attributeResets, (Names{pathOf("readonly.txt")}));
  EXPECT_EQ(w.names(), (Names{"locked.txt", "kept.txt"}));
  EXPECT_EQ(w.env.ui.messages.size(), 1u);  // the question alone
}

TEST(DeleteCookies, ARowWithoutTextIsNeverDeleted) {
  CookieWindow w;
  w.file("a.txt");
  w.form->tab<CookiesTab>().loadCookiesList();
  const std::size_t row = w.list.addRow("", pathOf("a.txt"));
  w.select({row});
  w.form->tab<CookiesTab>().deletecookies();
  EXPECT_TRUE(w.env.files.deletes.empty());
  EXPECT_EQ(w.list.count(), 2u);
}

TEST(DeleteCookies, AWindowClosedWhileAskingOrRereadingIsLeftAlone) {
  for (const bool registryFails : {false, true}) {
    SCOPED_TRACE(registryFails);
    CookieWindow w;
    w.file("a.txt");
    w.form->tab<CookiesTab>().loadCookiesList();
    w.select({0});
    if (registryFails) w.env.registry.keys.clear();
    // The first box is the question; with the value gone, the second reports the failed read.
    int boxes = 0;
    const int closeAt = registryFails ? 2 : 1;
    w.env.ui.onMessageBox = [&] {
      if (++boxes == closeAt) w.form.reset();
    };
    w.form->tab<CookiesTab>().cmddelcookies_Click();  // must not touch the destroyed window (the sanitizer watches)
    EXPECT_EQ(w.form, nullptr);
    EXPECT_EQ(w.env.files.exists(pathOf("a.txt")), !registryFails);
  }
}

TEST(CookieSelection, ButtonsSetClearOrFlipEveryRowAndMoveTheFocusAsTheySay) {
  struct Case {
    const char* name;
    Button& (*button)(HeadlessMainView&);
    Rows selected;
    bool focusOnList;
  };
  const Case cases[] = {
      {"select all", [](HeadlessMainView& v) -> Button& { return v.cmdselectallcookies; }, {0, 1, 2, 3, 4}, true},
      {"select none", [](HeadlessMainView& v) -> Button& { return v.cmdselectnocookies; }, {}, false},
      {"invert", [](HeadlessMainView& v) -> Button& { return v.cmdinvertcookiesselection; }, {1, 3, 4}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CookieWindow w;
    for (int i = 0; i < 5; ++i) w.file(std::to_string(i) + ".txt");
    w.form->tab<CookiesTab>().loadCookiesList();
    w.select({0, 2});
    Button& button = c.button(w.view);
    button.setFocus();
    button.click();
    EXPECT_EQ(w.selectedRows(), c.selected);
    EXPECT_EQ(w.list.hasFocus(), c.focusOnList);
    EXPECT_EQ(button.hasFocus(), !c.focusOnList);
    EXPECT_TRUE(w.env.files.deletes.empty());
  }
}

}  // namespace
}  // namespace vellox::test
