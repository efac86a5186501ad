#include <gtest/gtest.h>
#include <windows.h>
#include <urlhist.h>
#include <wrl/client.h>
#include <algorithm>
#include <map>
#include <string>
#include <vector>
#include "history/curl_history.h"
#include "platform/win32/text.h"
#include "history_com_store.h"
#include "platform/win32/win32_url_history.h"

namespace vellox::test {
namespace {

using Microsoft::WRL::ComPtr;

// Sees every CoTaskMemFree made while it is registered.
class FreeSpy : public IMallocSpy {
 public:
  std::vector<void*> freed;
  ULONG refs = 1;

  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IMallocSpy) {
      *out = static_cast<IMallocSpy*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
  STDMETHODIMP_(ULONG) Release() override { return --refs; }
  STDMETHODIMP_(SIZE_T) PreAlloc(SIZE_T size) override { return size; }
  STDMETHODIMP_(void*) PostAlloc(void* actual) override { return actual; }
  STDMETHODIMP_(void*) PreFree(void* request, BOOL) override {
    if (request) freed.push_back(request);
    return request;
  }
  STDMETHODIMP_(void) PostFree(BOOL) override {}
  STDMETHODIMP_(SIZE_T) PreRealloc(void* request, SIZE_T size, void** actual, BOOL) override {
    *actual = request;
    return size;
  }
  STDMETHODIMP_(void*) PostRealloc(void* actual, BOOL) override { return actual; }
  STDMETHODIMP_(void*) PreGetSize(void* request, BOOL) override { return request; }
  STDMETHODIMP_(SIZE_T) PostGetSize(SIZE_T actual, BOOL) override { return actual; }
  STDMETHODIMP_(void*) PreDidAlloc(void* request, BOOL) override { return request; }
  STDMETHODIMP_(int) PostDidAlloc(void*, BOOL, int actual) override { return actual; }
  STDMETHODIMP_(void) PreHeapMinimize() override {}
  STDMETHODIMP_(void) PostHeapMinimize() override {}
};

struct Adapter : ::testing::Test {
  Shared shared;
  TestStore store{shared};
  FreeSpy spy;
  std::unique_ptr<UrlHistoryService> service = win32::makeUrlHistory([this](ComPtr<IUrlHistoryStg2>& out) {
    out = &store;
    return S_OK;
  });

  void SetUp() override { ASSERT_EQ(CoRegisterMallocSpy(&spy), S_OK); }
  void TearDown() override { CoRevokeMallocSpy(); }
  std::unique_ptr<CURLHistory> open() {
    HResult hr = kEFail;
    auto history = CURLHistory::create(*service, hr);
    EXPECT_EQ(hr, kSOk);
    return history;
  }
};

TEST_F(Adapter, ListsRecordsAndBalancesReferencesAndFreesEveryStringOnceTitleFirst) {
  shared.entries = {{L"http://a/", L"Caf\u00e9", 1}, {L"http://b/", nullptr, 2}, {L"http://c/", L"C", 0}};
  {
    auto history = open();
    ASSERT_EQ(history->Count(), 3u);
    EXPECT_EQ(history->Item(1)->Title(), "Caf\xC3\xA9");
    EXPECT_EQ(history->Item(2)->Title(), "");
    EXPECT_EQ(history->Item(2)->URL(), "http://b/");
    EXPECT_EQ(history->Item(2)->Flags(), 2);
    EXPECT_GT(history->Item(1)->LastVisited(), 0.0);
    EXPECT_EQ(shared.enumRefs, 0);  // the enumerator went with the refresh
    EXPECT_EQ(shared.storeRefs, 2);
    EXPECT_TRUE(spy.freed.empty());
  }
  EXPECT_EQ(shared.storeRefs, 1);
  EXPECT_EQ(shared.enums, 1);
  ASSERT_EQ(spy.freed.size(), shared.handedOut.size());
  for (const auto& [pointer, text] : shared.handedOut)
    EXPECT_EQ(std::count(spy.freed.begin(), spy.freed.end(), pointer), 1) << win32::narrow(text);
  // Per item: the title goes before the URL.
  auto at = [&](const wchar_t* text) {
    for (std::size_t i = 0; i < spy.freed.size(); ++i)
      if (shared.handedOut[spy.freed[i]] == text) return i;
    return SIZE_MAX;
  };
  EXPECT_LT(at(L"Caf\u00e9"), at(L"http://a/"));
  EXPECT_LT(at(L"C"), at(L"http://c/"));
  service.reset();
  EXPECT_EQ(shared.storeRefs, 1);
}

TEST_F(Adapter, FilterIsNullForEmptyTextAndTheExactTextOtherwise) {
  auto history = open();
  EXPECT_EQ(history->Refresh("http://b\u00e9", 9), kSOk);
  ASSERT_EQ(shared.filters.size(), 2u);
  EXPECT_TRUE(shared.filters[0].first);
  EXPECT_FALSE(shared.filters[1].first);
  EXPECT_EQ(shared.filters[1].second, L"http://b\u00e9");
  EXPECT_EQ(shared.calls.back(), L"SetFilter 9");
}

TEST_F(Adapter, ForwardsAddDeleteAndClearAndReportsAFailingNext) {
  shared.entries = {{L"http://a/", L"A", 0}, {L"http://b/", L"B", 0}};
  auto history = open();
  EXPECT_EQ(history->AddURL("http://\u00fc/", "T", 3), kSOk);
  EXPECT_EQ(history->Remove(1), kSOk);
  EXPECT_EQ(history->Clear(), kSOk);
  std::vector<std::wstring> expected{L"SetFilter 0", L"AddUrl http://\u00fc/ T 3", L"DeleteUrl http://a/ 0",
                                     L"ClearHistory", L"SetFilter 0"};
  EXPECT_EQ(shared.calls, expected);
  EXPECT_EQ(history->Count(), 0u);

  shared.entries = {{L"http://a/", L"A", 0}, {L"http://b/", L"B", 0}};
  shared.failAt = 1;
  shared.nextFailure = E_OUTOFMEMORY;
  EXPECT_EQ(history->Refresh("", 0), static_cast<HResult>(E_OUTOFMEMORY));
  EXPECT_EQ(history->Count(), 1u);
  history.reset();
  EXPECT_EQ(shared.enumRefs, 0);
  EXPECT_EQ(shared.storeRefs, 1);
}

}  // namespace
}  // namespace vellox::test
