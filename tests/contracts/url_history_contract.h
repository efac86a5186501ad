#pragma once
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "platform/url_history.h"

namespace vellox::test {

// What the history page relies on from the visited-URL store. A side gives
// service(), whose store starts empty.
template <class Side>
class UrlHistoryContract : public ::testing::Test {
 protected:
  struct Row {
    std::u16string url, title;
    bool hasTitle;
    std::uint32_t flags;
    bool operator==(const Row&) const = default;
  };

  std::unique_ptr<UrlHistoryStore> store() {
    std::unique_ptr<UrlHistoryStore> store;
    EXPECT_EQ(side.service().createStore(store), kSOk);
    return store;
  }

  // Every record an enumeration gives, then the code of the call that ended it.
  std::vector<Row> list(UrlHistoryStore& store, const std::optional<std::string>& prefix = std::nullopt) {
    std::unique_ptr<UrlHistoryEnum> urls;
    EXPECT_EQ(store.enumUrls(urls), kSOk);
    if (!urls) return {};
    EXPECT_EQ(urls->setFilter(prefix, 0), kSOk);
    std::vector<Row> rows;
    for (std::size_t guard = 0; guard < 100; ++guard) {
      StatUrl record;
      std::uint32_t fetched = 7;
      const HResult hr = urls->next(record, fetched);
      if (fetched == 0) {
        EXPECT_EQ(hr, kSFalse) << "the end is S_FALSE with nothing fetched";
        return rows;
      }
      EXPECT_EQ(hr, kSOk);
      EXPECT_EQ(fetched, 1u);
      const char16_t* title = record.pwcsTitle();
      rows.push_back({record.pwcsUrl() ? record.pwcsUrl() : u"<null>", title ? title : u"", title != nullptr,
                      record.dwFlags});
    }
    ADD_FAILURE() << "the enumeration did not end";
    return rows;
  }

  Side side;
};

TYPED_TEST_SUITE_P(UrlHistoryContract);

TYPED_TEST_P(UrlHistoryContract, AddedUrlsListInOrderAndAnUrlAddedAgainKeepsItsPlace) {
  auto store = this->store();
  ASSERT_TRUE(store);
  using Row = typename TestFixture::Row;
  EXPECT_EQ(this->list(*store), std::vector<Row>{});
  ASSERT_EQ(store->addUrl("http://a/", "Old", 1), kSOk);
  ASSERT_EQ(store->addUrl("http://\xC3\xBC/", "Caf\xC3\xA9", 2), kSOk);
  ASSERT_EQ(store->addUrl("http://c/", "", 0), kSOk);
  ASSERT_EQ(store->addUrl("http://a/", "New", 4), kSOk);
  EXPECT_EQ(this->list(*store), (std::vector<Row>{{u"http://a/", u"New", true, 4},
                                                  {u"http://\u00fc/", u"Caf\u00e9", true, 2},
                                                  {u"http://c/", u"", true, 0}}));
}

TYPED_TEST_P(UrlHistoryContract, AFilterKeepsTheUrlsThatStartWithItsText) {
  auto store = this->store();
  ASSERT_TRUE(store);
  for (const char* url : {"http://a/1", "http://b/2", "http://a/3", "HTTP://A/4"}) store->addUrl(url, "t", 0);
  std::vector<std::u16string> urls;
  for (const auto& row : this->list(*store, std::string("http://a/"))) urls.push_back(row.url);
  EXPECT_EQ(urls, (std::vector<std::u16string>{u"http://a/1", u"http://a/3"}));
  EXPECT_EQ(this->list(*store, std::nullopt).size(), 4u);
}

TYPED_TEST_P(UrlHistoryContract, DeletingRemovesOneUrlAndClearingRemovesAll) {
  auto store = this->store();
  ASSERT_TRUE(store);
  for (const char* url : {"http://a/", "http://b/", "http://c/"}) store->addUrl(url, "t", 0);
  EXPECT_EQ(store->deleteUrl("http://b/", 0), kSOk);
  std::vector<std::u16string> urls;
  for (const auto& row : this->list(*store)) urls.push_back(row.url);
  EXPECT_EQ(urls, (std::vector<std::u16string>{u"http://a/", u"http://c/"}));
  EXPECT_EQ(store->clearHistory(), kSOk);
  EXPECT_TRUE(this->list(*store).empty());
}

REGISTER_TYPED_TEST_SUITE_P(UrlHistoryContract, AddedUrlsListInOrderAndAnUrlAddedAgainKeepsItsPlace,
                            AFilterKeepsTheUrlsThatStartWithItsText, DeletingRemovesOneUrlAndClearingRemovesAll);

}  // namespace vellox::test
