#pragma once
#include <windows.h>
#include <urlhist.h>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vellox::test {

// The tests' own visited-URL store object, since Wine's answers E_NOTIMPL to
// everything. It keeps entries by URL as the browser's store does, honours the
// URL prefix filter, and records every call and every string it hands out.
struct Entry {
  Entry(const wchar_t* url, const wchar_t* title, DWORD flags)
      : url(url), title(title ? title : L""), hasTitle(title != nullptr), flags(flags) {}
  std::wstring url, title;
  bool hasTitle;
  DWORD flags;
};

struct Shared {
  std::vector<Entry> entries;
  LONG storeRefs = 0, enumRefs = 0, enums = 0;
  std::vector<std::pair<bool, std::wstring>> filters;  // (null?, text)
  std::vector<std::wstring> calls;
  std::map<void*, std::wstring> handedOut;  // every string given with Next
  HRESULT nextFailure = S_OK;
  std::size_t failAt = SIZE_MAX;
};

inline wchar_t* taskCopy(const std::wstring& text, Shared& shared) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  auto* copy = static_cast<wchar_t*>(CoTaskMemAlloc(bytes));
  std::memcpy(copy, text.c_str(), bytes);
  shared.handedOut[copy] = text;
  return copy;
}

class TestEnum final : public IEnumSTATURL {
 public:
  explicit TestEnum(Shared& shared) : s_(shared) {
    ++s_.enums;
    ++s_.enumRefs;
  }
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IEnumSTATURL) {
      *out = static_cast<IEnumSTATURL*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override {
    ++s_.enumRefs;
    return ++refs_;
  }
  STDMETHODIMP_(ULONG) Release() override {
    --s_.enumRefs;
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  STDMETHODIMP Next(ULONG count, STATURL* out, ULONG* fetched) override {
    *fetched = 0;
    if (count != 1) return E_INVALIDARG;
    for (;;) {
      if (position_ == s_.failAt) return s_.nextFailure;
      if (position_ >= s_.entries.size()) return S_FALSE;
      const auto& e = s_.entries[position_++];
      if (filtered_ && e.url.compare(0, prefix_.size(), prefix_) != 0) continue;
      out->pwcsUrl = taskCopy(e.url, s_);
      out->pwcsTitle = e.hasTitle ? taskCopy(e.title, s_) : nullptr;
      out->ftLastVisited = {0x12345678, 0x01D00000};
      out->dwFlags = e.flags;
      *fetched = 1;
      return S_OK;
    }
  }
  STDMETHODIMP Skip(ULONG) override { return E_NOTIMPL; }
  STDMETHODIMP Reset() override { return E_NOTIMPL; }
  STDMETHODIMP Clone(IEnumSTATURL**) override { return E_NOTIMPL; }
  STDMETHODIMP SetFilter(LPCOLESTR filter, DWORD flags) override {
    s_.filters.emplace_back(filter == nullptr, filter ? filter : L"");
    s_.calls.push_back(L"SetFilter " + std::to_wstring(flags));
    filtered_ = filter != nullptr;
    prefix_ = filter ? filter : L"";
    return S_OK;
  }

 private:
  Shared& s_;
  ULONG refs_ = 1;
  std::size_t position_ = 0;
  bool filtered_ = false;
  std::wstring prefix_;
};

class TestStore : public IUrlHistoryStg2 {
 public:
  explicit TestStore(Shared& shared) : s_(shared) { s_.storeRefs = 1; }
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IUrlHistoryStg || iid == IID_IUrlHistoryStg2) {
      *out = static_cast<IUrlHistoryStg2*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++s_.storeRefs); }
  STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--s_.storeRefs); }
  // A URL already stored gets the new title and flags in its place.
  STDMETHODIMP AddUrl(LPCOLESTR url, LPCOLESTR title, DWORD flags) override {
    s_.calls.push_back(std::wstring(L"AddUrl ") + url + L" " + (title ? title : L"") + L" " + std::to_wstring(flags));
    const auto found = find(url);
    if (found != s_.entries.end())
      *found = Entry(url, title, flags);
    else
      s_.entries.emplace_back(url, title, flags);
    return S_OK;
  }
  STDMETHODIMP DeleteUrl(LPCOLESTR url, DWORD flags) override {
    s_.calls.push_back(std::wstring(L"DeleteUrl ") + url + L" " + std::to_wstring(flags));
    const auto found = find(url);
    if (found != s_.entries.end()) s_.entries.erase(found);
    return S_OK;
  }
  STDMETHODIMP QueryUrl(LPCOLESTR, DWORD, LPSTATURL) override { return E_NOTIMPL; }
  STDMETHODIMP BindToObject(LPCOLESTR, REFIID, void**) override { return E_NOTIMPL; }
  STDMETHODIMP EnumUrls(IEnumSTATURL** out) override {
    *out = new TestEnum(s_);
    return S_OK;
  }
  STDMETHODIMP AddUrlAndNotify(LPCOLESTR, LPCOLESTR, DWORD, WINBOOL, IOleCommandTarget*, IUnknown*) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP ClearHistory() override {
    s_.calls.push_back(L"ClearHistory");
    s_.entries.clear();
    return S_OK;
  }

 private:
  std::vector<Entry>::iterator find(LPCOLESTR url) {
    return std::find_if(s_.entries.begin(), s_.entries.end(), [&](const Entry& e) { return e.url == url; });
  }
  Shared& s_;
};

}  // namespace vellox::test
