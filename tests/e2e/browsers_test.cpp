// The Browsers tab as a person meets it, on a prefix holding a Chrome profile and a
// Firefox profile with databases of the browsers' own schemas.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <string>
#include <vector>
#include "browsers/browser_schemas.h"
#include "browsers/sqlite/database.h"
#include "browsers/sqlite/statement.h"
#include "e2e/e2e_files.h"
#include "e2e/remote_memory.h"
#include "e2e/vellox_fixture.h"
#include "ui/win32/resources/resource.h"
#include "win32/files_temp_dir.h"

namespace vellox::e2e {
namespace {

constexpr size_t kBrowsersTab = 4;
const wchar_t* kSettingsKey = L"Software\\ Tarn Vellox\\Settings";

std::string utf8(const std::wstring& text) {
  std::string out(text.size() * 3, '\0');
  out.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                     out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
  return out;
}

void makeDatabase(const std::wstring& path, const std::string& sql) {
  writeFile(path, "");
  sqlite::Database db;
  ASSERT_TRUE(db.open(utf8(path), sqlite::OpenMode::ReadWrite).ok() && db.execute(sql).ok()) << utf8(path);
}

std::vector<std::string> column(const std::wstring& path, const std::string& query) {
  sqlite::Database db;
  sqlite::Statement rows;
  std::vector<std::string> values;
  if (!db.open(utf8(path), sqlite::OpenMode::ReadOnly).ok() || !db.prepare(query, rows).ok()) return {"?"};
  for (bool more = true; rows.step(more).ok() && more;) values.push_back(rows.columnText(0));
  return values;
}

// Chrome's "Person 1" (4 cookie sites) and Firefox's "default-release" (3 cookie sites,
// 1 page), each with a cookie of "kept.test", where the prefix's user keeps them.
class BrowsersTab : public VelloxTest {
 protected:
  void SetUp() override {
    removeProfiles();
    const std::wstring chrome = roots_[0] + L"\\Chrome\\User Data", firefox = roots_[1] + L"\\Firefox";
    writeFile(chrome + L"\\Local State", R"({"profile":{"info_cache":{"Default":{"name":"Person 1"}}}})");
    writeFile(chrome + L"\\Default\\Cache\\Cache_Data\\data_1", std::string(5000, 'c'));
    std::string sql = test::kChromiumCookiesSchema;
    for (const char* host : {".example.com", "www.example.com", ".ads.test", "kept.test"})
      sql += "INSERT INTO cookies VALUES(13300000000000000,'" + std::string(host) +
             "','','n','',x'763130aabbcc','/',13400000000000000,1,1,13300000000000000,1,1,1,0,2,443,0,0,0);";
    makeDatabase(chromeCookies = chrome + L"\\Default\\Network\\Cookies", sql);
    const std::wstring profile = firefox + L"\\Profiles\\e2e.default-release";
    writeFile(firefox + L"\\profiles.ini", "[Profile0]\r\nName=default-release\r\nPath=Profiles/e2e.default-release\r\n");
    sql = test::kFirefoxCookiesSchema;
    for (const char* host : {".example.com", "tracker.test", ".kept.test"})
      sql += "INSERT INTO moz_cookies(name,value,host,path) VALUES('n','secret','" + std::string(host) + "','/');";
    makeDatabase(firefoxCookies = profile + L"\\cookies.sqlite", sql);
    makeDatabase(profile + L"\\places.sqlite",
                 std::string(test::kFirefoxPlacesSchema) +
                     "INSERT INTO moz_places(id,url,guid,visit_count) VALUES(1,'https://example.com/','g1',1);"
                     "INSERT INTO moz_historyvisits(place_id,visit_date,visit_type) VALUES(1,1700000000000000,1);");
    VelloxTest::SetUp();
  }

  void TearDown() override {
    VelloxTest::TearDown();
    removeProfiles();
    for (const wchar_t* value : {L"browseritems", L"keepcookies"})
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, value);
  }

  void removeProfiles() {
    for (const auto& root : roots_) test::removeTree(root);
  }

  // Opens the Browsers tab and waits for its ten rows; the list, or nullptr.
  HWND openTab() {
    const HWND main = openFromTray(TrayChoice::Show);
    if (main == nullptr || !vellox().clickTab(main, kBrowsersTab)) return nullptr;
    page_ = findControl(main, IDC_PAGE_BROWSERS);
    const HWND list = findControl(page_, IDC_LSTBROWSERS);
    return waitUntil([&] { return listViewRowCount(list) == 10; }, kPatience) ? list : nullptr;
  }

  const std::wstring roots_[3] = {knownFolder(CSIDL_LOCAL_APPDATA) + L"\\Google",
                                  knownFolder(CSIDL_APPDATA) + L"\\Mozilla",
                                  knownFolder(CSIDL_LOCAL_APPDATA) + L"\\Mozilla"};
  std::wstring chromeCookies, firefoxCookies;
  HWND page_ = nullptr;
};

// A real click on the row's check box, at the row's left end.
bool clickCheckBox(HWND list, size_t row) {
  RemoteBuffer remote(list, sizeof(RECT));
  RECT bounds{LVIR_BOUNDS, 0, 0, 0};
  if (!remote || !remote.write(0, &bounds, sizeof(bounds)) ||
      !SendMessageW(list, LVM_GETITEMRECT, row, remote.param()) || !remote.read(0, &bounds, sizeof(bounds)))
    return false;
  POINT at{bounds.left + 8, (bounds.top + bounds.bottom) / 2};
  ClientToScreen(list, &at);
  return clickAt(at);
}

std::wstring registryText(const wchar_t* name, DWORD& type) {
  std::wstring data(512, L'\0');
  DWORD size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(), &size))
    return L"<missing>";
  data.resize(size / sizeof(wchar_t));
  return data;
}

// One person's round: the rows, two boxes toggled, a site kept, Analyze, Clean, then a
// new start that shows the boxes as they were left.
TEST_F(BrowsersTab, KeepsASiteAnalyzesAndCleansTheCheckedItemsAndRemembersTheBoxes) {
  HWND list = openTab();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(listViewColumns(list), (std::vector<std::wstring>{L"Browser", L"Profile", L"Item", L"Found"}));
  const std::vector<std::wstring> items = {L"Cookies", L"Site data", L"History", L"Cache", L"Session"};
  for (size_t row = 0; row < 10; ++row) {
    EXPECT_EQ(listViewText(list, row, 0), row < 5 ? L"Chrome" : L"Firefox");
    EXPECT_EQ(listViewText(list, row, 1), row < 5 ? L"Person 1" : L"default-release");
    EXPECT_EQ(listViewText(list, row, 2), items[row % 5]);
    EXPECT_EQ(listViewRowChecked(list, row), row % 5 != 4) << row;
  }
  ASSERT_TRUE(clickCheckBox(list, 4));  // Chrome's Session on
  ASSERT_TRUE(clickCheckBox(list, 7));  // Firefox's History off
  DWORD type = 0;
  EXPECT_TRUE(waitUntil([&] { return registryText(L"browseritems", type) != L"<missing>"; }, kPatience));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

  ASSERT_TRUE(pressButton(page_, IDC_CMDKEEPCOOKIES));
  const HWND dialog = findTopLevel({L"Cookies to Keep", kDialogClass, process().id()}, kPatience);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(listBoxItems(GetDlgItem(dialog, IDC_LSTSITES)),
            (std::vector<std::wstring>{L"ads.test", L"example.com", L"kept.test", L"tracker.test", L"www.example.com"}));
  SendMessageW(GetDlgItem(dialog, IDC_LSTSITES), LB_SETSEL, TRUE, 2);
  ASSERT_TRUE(pressButton(dialog, IDC_CMDKEEP));
  const HWND kept = GetDlgItem(dialog, IDC_LSTKEPT);
  EXPECT_TRUE(waitUntil([&] { return listBoxItems(kept) == std::vector<std::wstring>{L"kept.test"}; }, kPatience));
  ASSERT_TRUE(pressButton(dialog, IDOK));
  EXPECT_TRUE(waitUntil([&] { return registryText(L"keepcookies", type) != L"<missing>"; }, kPatience));
  EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
  EXPECT_EQ(registryText(L"keepcookies", type), std::wstring(L"kept.test\0\0", 11));

  ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(page_) != FALSE; }, kPatience));
  ASSERT_TRUE(pressButton(page_, IDC_CMDANALYZE));
  ASSERT_TRUE(waitUntil([&] { return !listViewText(list, 9, 3).empty(); }, kPatience));
  EXPECT_EQ(listViewText(list, 0, 3), L"4 cookies from 4 sites (1 kept)");
  EXPECT_EQ(listViewText(list, 5, 3), L"3 cookies from 3 sites (1 kept)");
  EXPECT_EQ(listViewText(list, 7, 3), L"1 page");
  EXPECT_EQ(column(chromeCookies, "SELECT count(*) FROM cookies"), std::vector<std::string>{"4"});

  ASSERT_TRUE(pressButton(page_, IDC_CMDCLEAN));
  const auto question = vellox().messageBox();
  ASSERT_TRUE(question.has_value());
  EXPECT_EQ(question->text, L"Clean the checked items?");
  EXPECT_EQ(question->buttons, (std::vector<std::wstring>{L"&Yes", L"&No"}));
  ASSERT_TRUE(pressButton(question->window, IDYES));
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(question->window); }, kPatience));
  const auto closing = vellox().messageBox();
  ASSERT_TRUE(closing.has_value());
  EXPECT_NE(closing->text.find(L"Chrome (Person 1): Cookies: 3 cookies"), std::wstring::npos) << closing->text;
  EXPECT_EQ(closing->text.find(L"Firefox (default-release): History"), std::wstring::npos) << closing->text;
  ASSERT_TRUE(pressButton(closing->window, IDOK));
  EXPECT_EQ(column(chromeCookies, "SELECT host_key FROM cookies"), std::vector<std::string>{"kept.test"});
  EXPECT_EQ(column(firefoxCookies, "SELECT host FROM moz_cookies"), std::vector<std::string>{".kept.test"});
  EXPECT_EQ(listViewText(list, 0, 3), L"1 cookie from 1 site (1 kept)");
  EXPECT_EQ(listViewText(list, 7, 3), L"1 page");  // not checked, so not cleaned

  const auto exit = askToExit();
  ASSERT_TRUE(exit.has_value());
  ASSERT_TRUE(pressButton(exit->window, IDOK));
  ASSERT_TRUE(process().waitForExit(kPatience).has_value());
  VelloxTest::SetUp();  // a new start of vellox.exe
  list = openTab();
  ASSERT_NE(list, nullptr);
  for (size_t row = 0; row < 10; ++row) EXPECT_EQ(listViewRowChecked(list, row), row != 7 && row != 9) << row;
}

}  // namespace
}  // namespace vellox::e2e
