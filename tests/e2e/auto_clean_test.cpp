// The options act in the real vellox.exe: stored as the window stores them, they
// clean seeded traces at start-up, at Exit and at the end of the session, and each
// run leaves a line in the log.
#include <shlobj.h>
#include <wininet.h>
#include <filesystem>
#include <string>
#include <vector>
#include "e2e/vellox_fixture.h"
#include "ui/win32/resources/resource.h"
#include "win32/url_cache_support.h"

namespace vellox::e2e {
namespace {

const wchar_t* kSettings = L"Software\\ Tarn Vellox\\Settings";
const wchar_t* kShellFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::vector<std::wstring> kCookieFiles = {L"e2e-one.txt", L"e2e-two.txt"};

std::wstring cookieFolder() {
  wchar_t folder[MAX_PATH] = {};
  DWORD size = sizeof folder;
  RegGetValueW(HKEY_CURRENT_USER, kShellFolders, L"Cookies", RRF_RT_REG_SZ, nullptr, folder, &size);
  return folder;
}

std::wstring localAppData() {
  PWSTR local = nullptr;
  if (FAILED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local))) return L"";
  std::wstring path = local;
  CoTaskMemFree(local);
  return path;
}

std::wstring logPath() { return localAppData() + L"\\Tarn Vellox\\clean.log"; }

// A Chromium-family browser with one profile and one cached file.
std::wstring chromeFolder() { return localAppData() + L"\\Google"; }
std::wstring chromeCacheFile() {
  return chromeFolder() + L"\\Chrome\\User Data\\Default\\Cache\\Cache_Data\\f_000001";
}

bool writeFile(const std::wstring& path, const std::string& text) {
  SHCreateDirectoryExW(nullptr, path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
  win32::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                       nullptr));
  DWORD written = 0;
  return file && WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string contents(const std::wstring& path) {
  win32::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
  if (!file) return "";
  std::string text(64 * 1024, '\0');
  DWORD read = 0;
  ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
  text.resize(read);
  return text;
}

bool inCache(const std::string& url) {
  DWORD size = 0;
  GetUrlCacheEntryInfoA(url.c_str(), nullptr, &size);
  return GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

// Stores `keys` as checked, seeds two cookie files and a cache entry and starts
// from an empty log; then starts Vellox.
class AutoClean : public VelloxTest {
 protected:
  void store(std::initializer_list<const wchar_t*> keys) {
    const wchar_t on[] = L"1";
    for (const wchar_t* key : keys) {
      ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSettings, key, REG_SZ, on, sizeof on), ERROR_SUCCESS);
      keys_.push_back(key);
    }
    const std::wstring folder = cookieFolder();
    ASSERT_FALSE(folder.empty());
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    for (const auto& name : kCookieFiles) ASSERT_TRUE(writeFile(folder + L"\\" + name, "cookie"));
    ASSERT_TRUE(writeFile(chromeFolder() + L"\\Chrome\\User Data\\Local State",
                          R"({"profile":{"info_cache":{"Default":{"name":"Person 1"}}}})"));
    ASSERT_TRUE(writeFile(chromeCacheFile(), "cached page"));
    url_ = "http://auto-clean.test/" + test::uniqueToken();
    ASSERT_TRUE(cache_.commit(url_));
    DeleteFileW(logPath().c_str());
    VelloxTest::SetUp();
  }
  void TearDown() override {
    VelloxTest::TearDown();
    for (const wchar_t* key : keys_) RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettings, key);
    for (const auto& name : kCookieFiles) DeleteFileW((cookieFolder() + L"\\" + name).c_str());
    std::error_code ignored;
    std::filesystem::remove_all(chromeFolder(), ignored);
    std::filesystem::remove_all(std::filesystem::path(logPath()).parent_path(), ignored);
  }
  int cookiesLeft() const {
    int left = 0;
    for (const auto& name : kCookieFiles) left += exists(cookieFolder() + L"\\" + name);
    return left;
  }
  bool logged(const std::string& text) const {
    return waitUntil([&] { return contents(logPath()).find(text) != std::string::npos; }, kPatience);
  }
  // Start-up has ended once the hidden main window is loaded.
  bool startUpEnded() const {
    return findTopLevel({kTitle, VELLOX_MAIN_CLASS, process().id(), false}, kPatience) != nullptr;
  }
  bool nothingAsked() const { return topLevelWindows({L"", kDialogClass, process().id(), true}).empty(); }

  std::string url_;
  test::CommittedEntries cache_;
  std::vector<const wchar_t*> keys_;
};

class StartUpClean : public AutoClean {
 protected:
  void SetUp() override { store({L"runonstart", L"autodelcookies", L"autodelcache", L"autodelhistory"}); }
};

TEST_F(StartUpClean, CleansTheSeededTracesWithoutAskingAndLogsTheRun) {
  EXPECT_TRUE(waitUntil([&] { return cookiesLeft() == 0 && !inCache(url_) && !exists(chromeCacheFile()); },
                        kPatience));
  EXPECT_TRUE(logged("; Chrome (Person 1) cache: ")) << contents(logPath());
  // Wine's visited-URL store answers E_NOTIMPL: the log says so, and nothing is shown.
  EXPECT_TRUE(logged(" | start-up | cleaned: cookie folder: 2 files; cache: ")) << contents(logPath());
  EXPECT_TRUE(logged("visited-URL history: the store could not be cleared (error 0x80004001)"))
      << contents(logPath());
  EXPECT_TRUE(nothingAsked());
  EXPECT_EQ(vellox().mainWindow(Millis(0)), nullptr) << "the window stays in the tray";
}

class ShutdownClean : public AutoClean {
 protected:
  void SetUp() override { store({L"runonshutdown", L"autodelcookies", L"autodelcache"}); }
};

// Wine's own end of the session: wineboot sends WM_QUERYENDSESSION and WM_ENDSESSION to every
// window of the prefix, then ends the processes. The Exit test after it finds the desktop and
// the tray back.
TEST_F(ShutdownClean, WinebootEndingTheSessionGetsTheTracesCleanedFirst) {
  ASSERT_TRUE(startUpEnded());
  const Process wineboot = Process::start(L"C:\\windows\\system32\\wineboot.exe", L"--end-session");
  ASSERT_TRUE(wineboot);
  EXPECT_TRUE(wineboot.waitForExit(kPatience).has_value());
  EXPECT_TRUE(process().waitForExit(kPatience).has_value()) << "the session's end ends Vellox";
  EXPECT_EQ(cookiesLeft(), 0);
  EXPECT_NE(contents(logPath()).find(" | end of session | cleaned: cookie folder: 2 files"), std::string::npos)
      << contents(logPath());
}

TEST_F(ShutdownClean, ExitCleansBeforeTheProcessEnds) {
  ASSERT_TRUE(startUpEnded());
  EXPECT_EQ(cookiesLeft(), 2) << "nothing is cleaned at start-up";
  const auto question = askToExit();
  ASSERT_TRUE(question.has_value());
  ASSERT_TRUE(pressButton(question->window, IDOK));
  ASSERT_TRUE(process().waitForExit(kPatience).has_value());
  EXPECT_EQ(cookiesLeft(), 0);
  EXPECT_FALSE(inCache(url_));
  EXPECT_NE(contents(logPath()).find(" | exit | cleaned: cookie folder: 2 files; cache: "), std::string::npos)
      << contents(logPath());
}

}  // namespace
}  // namespace vellox::e2e
