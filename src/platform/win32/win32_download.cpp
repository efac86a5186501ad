#include <windows.h>
#include <urlmon.h>
#include <wininet.h>
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"

namespace vellox::win32 {

namespace {

class UrlDownload : public Download {
 public:
  bool downloadToFile(const std::string& url, const std::string& path) override {
    const std::wstring wideUrl = widen(url);
    // A cached copy would answer with what the server published earlier.
    DeleteUrlCacheEntryW(wideUrl.c_str());
    return URLDownloadToFileW(nullptr, wideUrl.c_str(), widen(path).c_str(), 0, nullptr) == S_OK;
  }
};

}  // namespace

std::unique_ptr<Download> makeDownload() { return std::make_unique<UrlDownload>(); }

}  // namespace vellox::win32
