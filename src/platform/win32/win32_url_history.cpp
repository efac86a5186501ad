#include "platform/win32/win32_url_history.h"
#include <oleauto.h>
#include <shlguid.h>
#include <string>
#include "platform/win32/com_scope.h"
#include "platform/win32/local_time.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"

namespace vellox::win32 {

using Microsoft::WRL::ComPtr;

namespace {

void freeTaskString(char16_t* text) { CoTaskMemFree(text); }

std::uint64_t ticks(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Every COM pointer below keeps the thread's COM initialisation alive, so none
// is released after CoUninitialize, whoever outlives whom at exit.
using SharedCom = std::shared_ptr<ComScope>;

class ComUrlEnum : public UrlHistoryEnum {
 public:
  ComUrlEnum(SharedCom com, ComPtr<IEnumSTATURL> urls) : com_(std::move(com)), urls_(std::move(urls)) {}

  HResult setFilter(const std::optional<std::string>& prefix, std::uint32_t flags) override {
    if (!prefix) return urls_->SetFilter(nullptr, flags);
    const std::wstring text = widen(*prefix);
    return urls_->SetFilter(text.c_str(), flags);
  }

  HResult next(StatUrl& record, std::uint32_t& fetched) override {
    STATURL stat{};
    ULONG count = 0;
    const HRESULT hr = urls_->Next(1, &stat, &count);
    fetched = 0;
    if (FAILED(hr) || count == 0) return hr;
    record.adopt(reinterpret_cast<char16_t*>(stat.pwcsUrl), reinterpret_cast<char16_t*>(stat.pwcsTitle),
                 freeTaskString);
    record.cbSize = stat.cbSize;
    record.ftLastVisited = ticks(stat.ftLastVisited);
    record.ftLastUpdated = ticks(stat.ftLastUpdated);
    record.ftExpires = ticks(stat.ftExpires);
    record.dwFlags = stat.dwFlags;
    fetched = 1;
    return hr;
  }

 private:
  SharedCom com_;
  ComPtr<IEnumSTATURL> urls_;
};

class ComUrlStore : public UrlHistoryStore {
 public:
  ComUrlStore(SharedCom com, ComPtr<IUrlHistoryStg2> store) : com_(std::move(com)), store_(std::move(store)) {}

  HResult addUrl(const std::string& url, const std::string& title, std::uint32_t flags) override {
    return store_->AddUrl(widen(url).c_str(), widen(title).c_str(), flags);
  }
  HResult deleteUrl(const std::string& url, std::uint32_t flags) override {
    return store_->DeleteUrl(widen(url).c_str(), flags);
  }
  HResult enumUrls(std::unique_ptr<UrlHistoryEnum>& enumerator) override {
    ComPtr<IEnumSTATURL> urls;
    const HRESULT hr = store_->EnumUrls(&urls);
    if (FAILED(hr)) return hr;
    if (!urls) return E_POINTER;
    enumerator = std::make_unique<ComUrlEnum>(com_, std::move(urls));
    return hr;
  }
  HResult clearHistory() override { return store_->ClearHistory(); }

 private:
  SharedCom com_;
  ComPtr<IUrlHistoryStg2> store_;
};

std::wstring formatDate(const SYSTEMTIME& time) {
  wchar_t text[128];
  const int n = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 128, nullptr);
  return n > 0 ? std::wstring(text, static_cast<std::size_t>(n - 1)) : std::wstring();
}

std::wstring formatTime(const SYSTEMTIME& time) {
  wchar_t text[128];
  const int n = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, text, 128);
  return n > 0 ? std::wstring(text, static_cast<std::size_t>(n - 1)) : std::wstring();
}

class Win32UrlHistory : public UrlHistoryService {
 public:
  explicit Win32UrlHistory(UrlHistoryFactory factory)
      : com_(std::make_shared<ComScope>()), factory_(std::move(factory)) {}

  HResult createStore(std::unique_ptr<UrlHistoryStore>& store) override {
    ComPtr<IUrlHistoryStg2> object;
    const HRESULT hr = factory_(object);
    if (FAILED(hr)) return hr;
    if (!object) return E_POINTER;
    store = std::make_unique<ComUrlStore>(com_, std::move(object));
    return hr;
  }

  double fileTimeToDate(std::uint64_t utcTicks) override {
    const FILETIME ticks{static_cast<DWORD>(utcTicks), static_cast<DWORD>(utcTicks >> 32)};
    SYSTEMTIME utc{}, local{};
    double date = 0;
    if (!FileTimeToSystemTime(&ticks, &utc) || !utcToLocal(utc, local) || !SystemTimeToVariantTime(&local, &date))
      return 0;
    return date;
  }

  std::string dateText(double date) override {
    SYSTEMTIME time{};
    if (!VariantTimeToSystemTime(date, &time)) return {};
    const bool zeroDate = time.wYear == 1899 && time.wMonth == 12 && time.wDay == 30;
    const bool midnight = time.wHour == 0 && time.wMinute == 0 && time.wSecond == 0;
    if (zeroDate) return narrow(formatTime(time));
    if (midnight) return narrow(formatDate(time));
    return narrow(formatDate(time) + L" " + formatTime(time));
  }

 private:
  SharedCom com_;
  UrlHistoryFactory factory_;
};

}  // namespace

std::unique_ptr<UrlHistoryService> makeUrlHistory(UrlHistoryFactory factory) {
  return std::make_unique<Win32UrlHistory>(std::move(factory));
}

std::unique_ptr<UrlHistoryService> makeUrlHistory() {
  return makeUrlHistory([](ComPtr<IUrlHistoryStg2>& store) {
    return CoCreateInstance(CLSID_CUrlHistory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&store));
  });
}

}  // namespace vellox::win32
