#include <gtest/gtest.h>
#include "app/application.h"
#include "app/main_window.h"
#include "fakes/test_env.h"
#include "history/history_store.h"

namespace vellox::test {
namespace {

struct HistoryTab {
  TestEnv env;
  FakeUrlHistory::State& store = *env.urlHistory.state;
  std::unique_ptr<frmmain> form;
  HeadlessListView* urls = nullptr;

  void start() {
    createHistoryStore(env.state.historyStore, env.services);
    form = std::make_unique<frmmain>(env.services, env.state, [] {});
    urls = &env.views.main->URLs;
  }
  void selectHistory() { form->SSTab1.select(kTabHistory); }
  std::vector<std::string> column(int c) const {
    std::vector<std::string> cells;
    for (std::size_t r = 0; r < urls->count(); ++r) cells.push_back(urls->subItem(r, c));
    return cells;
  }
};

TEST(HistoryView, AnEmptyStoreShowsTheSixHeadersAndNoRows) {
  HistoryTab t;
  t.start();
  t.selectHistory();
  ASSERT_EQ(t.urls->columnCount(), 6);
  const char* headers[] = {"Title", "URL", "Last visited", "Last Updated", "Expires", "Flags"};
  for (int c = 0; c < 6; ++c) EXPECT_EQ(t.urls->columnHeader(c), headers[c]);
  EXPECT_EQ(t.urls->count(), 0u);
  EXPECT_TRUE(t.env.ui.messages.empty());
}

TEST(HistoryView, RowsShowEveryPropertySortedByTitle) {
  HistoryTab t;
  auto& late = t.env.urlHistory.add(u"http://z/", u"Zeta", 0);
  late.lastVisited = 125911584000000000ull;
  late.lastUpdated = late.lastVisited + 864000000000ull;
  late.expires = late.lastVisited + 2 * 864000000000ull;
  t.env.urlHistory.add(u"http://n/", nullptr, static_cast<std::uint32_t>(-5));
  t.env.urlHistory.add(u"http://a/", u"Alpha", 2);
  t.start();
  t.selectHistory();
  ASSERT_EQ(t.urls->count(), 3u);
  EXPECT_TRUE(t.urls->sorted());
  EXPECT_EQ(t.urls->sortKey(), 0);
  EXPECT_EQ(t.column(0), (std::vector<std::string>{"", "Alpha", "Zeta"}));
  EXPECT_EQ(t.column(1), (std::vector<std::string>{"http://n/", "http://a/", "http://z/"}));
  EXPECT_EQ(t.column(5), (std::vector<std::string>{"-5", "2", "0"}));
  auto& dates = t.env.urlHistory;
  EXPECT_EQ(t.urls->subItem(2, 2), dates.dateText(36526.0));
  EXPECT_EQ(t.urls->subItem(2, 3), dates.dateText(36527.0));
  EXPECT_EQ(t.urls->subItem(2, 4), dates.dateText(36528.0));
  EXPECT_FALSE(t.urls->updating());
}

TEST(HistoryView, SelectingTheTabAgainRebuildsWithoutDuplicates) {
  HistoryTab t;
  t.env.urlHistory.add(u"http://a/", u"A");
  t.env.urlHistory.add(u"http://b/", u"B");
  t.start();
  t.selectHistory();
  t.form->SSTab1.select(kTabAbout);
  t.env.urlHistory.add(u"http://c/", u"C");
  t.selectHistory();
  EXPECT_EQ(t.column(1), (std::vector<std::string>{"http://a/", "http://b/", "http://c/"}));
}

// The fake store's date value for a date (days since 30 December 1899).
std::uint64_t ticksOfDate(double days) { return static_cast<std::uint64_t>((days + 109205.0) * 864e9); }

TEST(HistoryView, AHeaderClickOnlyChangesTheSortKeyAndDatesAndFlagsSortByValue) {
  HistoryTab t;
  t.env.urlHistory.add(u"http://1/", u"item10", 30).lastVisited = ticksOfDate(-1.5);
  t.env.urlHistory.add(u"http://2/", u"Item9", 100).lastVisited = ticksOfDate(2.0);
  t.env.urlHistory.add(u"http://3/", u"apple", static_cast<std::uint32_t>(-5)).lastVisited = ticksOfDate(-10.0);
  t.start();
  t.selectHistory();
  EXPECT_EQ(t.column(0), (std::vector<std::string>{"apple", "Item9", "item10"}));
  const int reads = t.store.enumCalls;
  t.urls->columnClick(2);
  EXPECT_EQ(t.urls->sortKey(), 2);
  // By time: "date -1.5" would come before "date -10" as text.
  EXPECT_EQ(t.column(1), (std::vector<std::string>{"http://3/", "http://1/", "http://2/"}));
  t.urls->columnClick(5);
  t.urls->columnClick(5);
  EXPECT_EQ(t.urls->sortKey(), 5);
  EXPECT_TRUE(t.urls->sorted());
  // Ascending by value, and a second click does not reverse it.
  EXPECT_EQ(t.column(5), (std::vector<std::string>{"-5", "30", "100"}));
  EXPECT_EQ(t.store.enumCalls, reads);
  // The key stays for the next fill.
  t.form->SSTab1.select(kTabAbout);
  t.selectHistory();
  EXPECT_EQ(t.urls->sortKey(), 5);
  EXPECT_EQ(t.column(5), (std::vector<std::string>{"-5", "30", "100"}));
}

TEST(HistoryView, ClearHistoryEmptiesTheListWithStatusAndHourglassMeanwhile) {
  HistoryTab t;
  t.env.urlHistory.add(u"http://a/", u"A");
  t.start();
  t.selectHistory();
  ASSERT_EQ(t.urls->count(), 1u);
  std::string statusDuring;
  int pointerDuring = -1;
  t.store.onClear = [&] {
    statusDuring = t.form->sbar.text();
    pointerDuring = t.form->pointer.get();
  };
  t.form->cmdClearHistory.click();
  EXPECT_EQ(statusDuring, "Clearing History...");
  EXPECT_EQ(pointerDuring, kPointerHourglass);
  EXPECT_EQ(t.store.clearCalls, 1);
  EXPECT_EQ(t.urls->count(), 0u);
  EXPECT_EQ(t.form->sbar.text(), "");
  EXPECT_EQ(t.form->pointer.get(), kPointerDefault);
  EXPECT_TRUE(t.env.ui.messages.empty());
}

TEST(HistoryView, AStoreThatAnswersNotImplementedGivesOneMessageAndAnEmptyList) {
  HistoryTab t;
  t.env.urlHistory.add(u"http://a/", u"A");
  t.store.enumResult = t.store.clearResult = kENotImpl;
  t.start();
  t.selectHistory();
  EXPECT_EQ(t.urls->count(), 0u);
  ASSERT_EQ(t.env.ui.messages.size(), 1u);
  const auto& shown = t.env.ui.messages[0];
  EXPECT_NE(shown.text.find("history store could not be read"), std::string::npos);
  EXPECT_NE(shown.text.find("0x80004001"), std::string::npos);
  EXPECT_EQ(shown.caption, " Tarn Vellox");
  EXPECT_EQ(shown.icon, MsgIcon::Exclamation);

  t.form->cmdClearHistory.click();
  ASSERT_EQ(t.env.ui.messages.size(), 2u);
  EXPECT_NE(t.env.ui.messages[1].text.find("could not be cleared"), std::string::npos);
  EXPECT_EQ(t.form->sbar.text(), "");
  EXPECT_EQ(t.form->pointer.get(), kPointerDefault);
}

TEST(HistoryView, AReadThatFailsMidwayShowsNothingPartialAndSaysSo) {
  HistoryTab t;
  t.env.urlHistory.add(u"http://a/", u"A");
  t.env.urlHistory.add(u"http://b/", u"B");
  t.start();
  t.store.nextFailsAt = 1;
  t.selectHistory();
  EXPECT_EQ(t.urls->count(), 0u);
  EXPECT_EQ(t.env.ui.messages.size(), 1u);
}

TEST(HistoryView, AStoreThatCannotBeOpenedLetsStartUpRunAndIsOpenedLater) {
  TestEnv env;
  env.urlHistory.state->createResult = kENotImpl;
  env.urlHistory.add(u"http://a/", u"A");
  Application app(env.services);
  ASSERT_EQ(app.startUp(), StartResult::Running);
  env.views.splash->onActivate.fire();
  env.ui.runPosted();
  EXPECT_EQ(app.state().historyStore, nullptr);
  EXPECT_TRUE(env.ui.messages.empty());

  app.showMain(kTabHistory);
  ASSERT_EQ(env.ui.messages.size(), 1u);
  EXPECT_NE(env.ui.messages[0].text.find("could not be read"), std::string::npos);

  env.urlHistory.state->createResult = kSOk;
  app.mainWindow()->SSTab1.select(kTabAbout);
  app.mainWindow()->SSTab1.select(kTabHistory);
  EXPECT_EQ(env.views.main->URLs.count(), 1u);
  EXPECT_EQ(env.ui.messages.size(), 1u);
}

}  // namespace
}  // namespace vellox::test
