#include <gtest/gtest.h>
#include "fakes/fake_url_history.h"
#include "history/curl_history.h"

namespace vellox::test {
namespace {

struct Opened {
  FakeUrlHistory service;
  FakeUrlHistory::State& store = *service.state;
  std::unique_ptr<CURLHistory> history;
  HResult created = kEFail;
  void open() { history = CURLHistory::create(service, created); }
};

struct ThreeItems : Opened {
  ThreeItems() {
    service.add(u"http://a/", u"A", 1);
    service.add(u"http://b/", u"B", 2);
    service.add(u"http://c/", u"C", 3);
    open();
  }
};

TEST(HistoryStore, OpeningReadsEveryEntryOnceInStoreOrder) {
  ThreeItems t;
  EXPECT_EQ(t.created, kSOk);
  EXPECT_EQ(t.store.enumCalls, 1);
  ASSERT_EQ(t.history->Count(), 3u);
  std::string urls;
  for (const auto& item : t.history->NewEnum()) urls += item->URL() + " ";
  EXPECT_EQ(urls, "http://a/ http://b/ http://c/ ");
  EXPECT_EQ(t.history->Item(2)->Title(), "B");
  EXPECT_EQ(t.history->Item(3)->Flags(), 3);
}

TEST(HistoryStore, AStoreThatCannotBeOpenedGivesNoCollectionAndItsError) {
  Opened t;
  t.store.createResult = kENotImpl;
  t.open();
  EXPECT_EQ(t.history, nullptr);
  EXPECT_EQ(t.created, kENotImpl);
}

TEST(HistoryStore, AFailingFirstReadStillGivesAnEmptyCollection) {
  Opened t;
  t.service.add(u"http://a/", u"A");
  t.store.enumResult = kENotImpl;
  t.open();
  ASSERT_NE(t.history, nullptr);
  EXPECT_EQ(t.created, kENotImpl);
  EXPECT_EQ(t.history->Count(), 0u);
}

TEST(HistoryStore, NullTitleOrUrlReadsAsEmptyTextAndKeepsTheOther) {
  Opened t;
  t.service.add(u"http://only-url/", nullptr);
  t.service.add(nullptr, u"Only title");
  t.open();
  ASSERT_EQ(t.history->Count(), 2u);
  EXPECT_EQ(t.history->Item(1)->Title(), "");
  EXPECT_EQ(t.history->Item(1)->URL(), "http://only-url/");
  EXPECT_EQ(t.history->Item(2)->URL(), "");
  EXPECT_EQ(t.history->Item(2)->Title(), "Only title");
}

TEST(HistoryStore, TextIsConvertedFromUtf16IncludingSurrogatePairs) {
  Opened t;
  t.service.add(u"http://x/caf\u00e9", u"\u65e5\u672c \U0001F600");
  t.service.add(u"http://x/\xD800lone", u"t");
  t.open();
  EXPECT_EQ(t.history->Item(1)->URL(), "http://x/caf\xC3\xA9");
  EXPECT_EQ(t.history->Item(1)->Title(), "\xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80");
  EXPECT_EQ(t.history->Item(2)->URL(), "http://x/\xEF\xBF\xBDlone");
}

TEST(HistoryStore, ADateReadTwiceGivesTheSameLocalValue) {
  Opened t;
  auto& e = t.service.add(u"http://a/", u"A");
  // 1 January 2000 00:00 UTC, two days later updated, a week later expiring.
  e.lastVisited = 125911584000000000ull;
  e.lastUpdated = e.lastVisited + 2 * 864000000000ull;
  e.expires = e.lastVisited + 7 * 864000000000ull;
  t.service.localOffsetTicks = 36000000000;  // one hour east of UTC
  t.open();
  auto item = t.history->Item(1);
  const double first = item->LastVisited();
  EXPECT_DOUBLE_EQ(first, 36526.0 + 1.0 / 24.0);
  EXPECT_DOUBLE_EQ(item->LastVisited(), first);
  EXPECT_DOUBLE_EQ(item->LastUpdated(), first + 2.0);
  EXPECT_DOUBLE_EQ(item->Expires(), first + 7.0);
}

TEST(HistoryStore, RemoveOneOfThreeDeletesItsUrlLocallyWithoutReadingTheStoreAgain) {
  ThreeItems t;
  EXPECT_EQ(t.history->Remove(1), kSOk);
  ASSERT_EQ(t.store.deletes.size(), 1u);
  EXPECT_EQ(t.store.deletes[0], std::make_pair(std::string("http://a/"), 0u));
  EXPECT_EQ(t.history->Count(), 2u);
  EXPECT_EQ(t.history->Item(1)->URL(), "http://b/");
  EXPECT_EQ(t.store.enumCalls, 1);
}

TEST(HistoryStore, RemoveKeepsTheItemWhenTheStoreRefusesOrTheIndexIsOutside) {
  ThreeItems t;
  t.store.deleteResult = kEFail;
  EXPECT_EQ(t.history->Remove(2), kEFail);
  EXPECT_EQ(t.history->Count(), 3u);
  t.store.deleteResult = kSOk;
  for (std::size_t outside : {0u, 4u}) {
    EXPECT_EQ(t.history->Remove(outside), kEInvalidArg);
    EXPECT_EQ(t.history->Item(outside), nullptr);
  }
  EXPECT_EQ(t.history->Count(), 3u);
  EXPECT_EQ(t.store.deletes.size(), 1u);
}

TEST(HistoryStore, AddUrlReachesTheStoreButShowsOnlyAfterRefresh) {
  ThreeItems t;
  EXPECT_EQ(t.history->AddURL("http://d/", "D", -2), kSOk);
  ASSERT_EQ(t.store.added.size(), 1u);
  EXPECT_EQ(t.store.added[0].flags, 0xFFFFFFFEu);
  EXPECT_EQ(t.history->Count(), 3u);
  EXPECT_EQ(t.store.enumCalls, 1);
  EXPECT_EQ(t.history->Refresh("", 0), kSOk);
  EXPECT_EQ(t.history->Count(), 4u);
  EXPECT_EQ(t.history->Item(4)->Flags(), -2);
}

TEST(HistoryStore, EmptyPrefixFiltersWithNullAndTextIsPassedExactly) {
  ThreeItems t;
  ASSERT_EQ(t.store.filters.size(), 1u);
  EXPECT_FALSE(t.store.filters[0].prefix.has_value());
  EXPECT_EQ(t.store.filters[0].flags, 0u);
  EXPECT_EQ(t.history->Refresh("http://b", 5), kSOk);
  ASSERT_EQ(t.store.filters.size(), 2u);
  EXPECT_EQ(t.store.filters[1].prefix, std::optional<std::string>("http://b"));
  EXPECT_EQ(t.store.filters[1].flags, 5u);
  ASSERT_EQ(t.history->Count(), 1u);
  EXPECT_EQ(t.history->Item(1)->URL(), "http://b/");
}

TEST(HistoryStore, ANextThatFailsMidwayKeepsTheItemsReadBeforeIt) {
  ThreeItems t;
  t.store.nextFailsAt = 2;
  t.store.nextFailure = kENotImpl;
  EXPECT_EQ(t.history->Refresh("", 0), kENotImpl);
  ASSERT_EQ(t.history->Count(), 2u);
  EXPECT_EQ(t.history->Item(2)->URL(), "http://b/");
}

TEST(HistoryStore, FailingEnumerationOrFilterKeepsThePreviousList) {
  for (bool filterFails : {false, true}) {
    ThreeItems t;
    t.store.entries.clear();
    (filterFails ? t.store.filterResult : t.store.enumResult) = kEFail;
    EXPECT_EQ(t.history->Refresh("", 0), kEFail);
    EXPECT_EQ(t.history->Count(), 3u) << filterFails;
  }
}

TEST(HistoryStore, TheEndIsTheFetchedCountWhateverSuccessCodeComesWithIt) {
  for (HResult end : {kSOk, kSFalse}) {
    Opened t;
    t.store.endResult = end;
    t.open();
    EXPECT_EQ(t.created, kSOk);
    EXPECT_EQ(t.history->Count(), 0u);
    EXPECT_TRUE(t.history->NewEnum().empty());
  }
}

TEST(HistoryStore, ClearEmptiesTheStoreThenListsWhatItHoldsAfterwards) {
  ThreeItems t;
  t.store.onClear = [&] { t.store.entries.push_back({u"http://late/", u"L", 0, 0, 0, 0}); };
  EXPECT_EQ(t.history->Clear(), kSOk);
  EXPECT_EQ(t.store.clearCalls, 1);
  ASSERT_EQ(t.history->Count(), 1u);
  EXPECT_EQ(t.history->Item(1)->URL(), "http://late/");

  t.store.clearResult = kENotImpl;
  EXPECT_EQ(t.history->Clear(), kENotImpl);
  EXPECT_EQ(t.history->Count(), 1u);
}

TEST(HistoryStore, DeleteUrlPassesItsFlagsAndRefreshes) {
  ThreeItems t;
  EXPECT_EQ(t.history->DeleteURL("http://c/", 7), kSOk);
  EXPECT_EQ(t.store.deletes.back(), std::make_pair(std::string("http://c/"), 7u));
  EXPECT_EQ(t.store.enumCalls, 2);
  EXPECT_EQ(t.history->Count(), 2u);
}

TEST(HistoryStore, StringsAreFreedOnceTitleFirstAndOnlyWhenTheLastHolderLetsGo) {
  const auto before = freedStoreStrings().size();
  const auto liveBefore = liveStoreStrings();
  {
    ThreeItems t;
    auto held = t.history->Item(2);
    t.store.entries.clear();
    EXPECT_EQ(t.history->Refresh("", 0), kSOk);
    EXPECT_EQ(t.history->Count(), 0u);
    // Items 1 and 3 went with the old list; item 2 is still held and readable.
    std::vector<std::u16string> freed(freedStoreStrings().begin() + before, freedStoreStrings().end());
    EXPECT_EQ(freed, (std::vector<std::u16string>{u"A", u"http://a/", u"C", u"http://c/"}));
    EXPECT_EQ(held->URL(), "http://b/");
  }
  std::vector<std::u16string> freed(freedStoreStrings().begin() + before, freedStoreStrings().end());
  EXPECT_EQ(freed.size(), 6u);
  EXPECT_EQ(freed[4], u"B");
  EXPECT_EQ(freed[5], u"http://b/");
  EXPECT_EQ(liveStoreStrings(), liveBefore);
}

}  // namespace
}  // namespace vellox::test
