// The Windows tab as a person meets it, on a prefix holding the registry's traces beside values
// that must stay. Which files go and which stay is the native tests' part; here the real
// registry, the tab's list and boxes, and regedit reading the backup back.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <string>
#include <vector>
#include "e2e/e2e_files.h"
#include "e2e/process.h"
#include "e2e/vellox_fixture.h"
#include "ui/win32/resources/resource.h"
#include "win32/files_temp_dir.h"

namespace vellox::e2e {
namespace {

constexpr size_t kWindowsTab = 5;
const std::wstring kExplorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::wstring kShell = L"Software\\Microsoft\\Windows\\Shell";
const wchar_t* kSettingsKey = L"Software\\ Tarn Vellox\\Settings";

struct Seeded {
  std::wstring key, name;
  DWORD type;
  std::vector<BYTE> data;
  bool kept = false;  // beside the traces, and not theirs
};

std::vector<BYTE> text(const std::wstring& s) {
  const auto* p = reinterpret_cast<const BYTE*>(s.c_str());
  return {p, p + (s.size() + 1) * sizeof(wchar_t)};
}

// The traces, each of the type Explorer gives it, MRU lists in binary with MRUListEx.
const std::vector<Seeded> kValues = {
    {kExplorer + L"\\RunMRU", L"a", REG_SZ, text(L"regedit\\1")},
    {kExplorer + L"\\RunMRU", L"MRUList", REG_SZ, text(L"a")},
    {kExplorer + L"\\RecentDocs\\.txt", L"0", REG_BINARY, {'s', 0, 0, 0, 0x14, 0, 0x1F}},
    {kExplorer + L"\\RecentDocs\\.txt", L"MRUListEx", REG_BINARY, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}},
    {kExplorer + L"\\WordWheelQuery", L"0", REG_BINARY, {'q', 0, 0, 0}},
    {kExplorer + L"\\WordWheelQuery", L"MRUListEx", REG_BINARY, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}},
    {kExplorer + L"\\TypedPaths", L"url1", REG_SZ, text(L"C:\\private \"plans\"")},
    {kExplorer + L"\\ComDlg32\\LastVisitedPidlMRU", L"0", REG_BINARY, {'n', 0, 0, 0, 0x14, 0}},
    {kExplorer + L"\\ComDlg32\\LastVisitedPidlMRU", L"MRUListEx", REG_BINARY, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}},
    {kExplorer + L"\\UserAssist\\{E2E}\\Count", L"HRZR_PGYFRFFVBA", REG_BINARY, std::vector<BYTE>(72, 7)},
    {kShell + L"\\BagMRU", L"0", REG_BINARY, {0x14, 0, 0x1F, 0x50}},
    {kShell + L"\\BagMRU", L"NodeSlots", REG_BINARY, {2}},
    {kShell + L"\\BagMRU\\0", L"MRUListEx", REG_BINARY, {0xFF, 0xFF, 0xFF, 0xFF}},
    {kShell + L"\\Bags\\1\\Shell", L"Mode", REG_DWORD, {4, 0, 0, 0}},
    {kShell + L"\\Bags\\1\\Shell", L"Path", REG_EXPAND_SZ, text(L"%USERPROFILE%\\x")},
    {kExplorer + L"\\RunMRU", L"Keep", REG_SZ, text(L"not a list"), true},
    {kExplorer + L"\\RecentDocs", L"Kept", REG_DWORD, {9, 0, 0, 0}, true},
    {kExplorer + L"\\UserAssist\\{E2E}", L"Version", REG_DWORD, {5, 0, 0, 0}, true},
    {L"Software\\Microsoft\\Windows\\ShellKept", L"x", REG_SZ, text(L"y"), true},
};

void put(const Seeded& v) {
  RegSetKeyValueW(HKEY_CURRENT_USER, v.key.c_str(), v.name.c_str(), v.type, v.data.data(),
                  static_cast<DWORD>(v.data.size()));
}

// The value as stored now, or nothing when it is missing.
std::optional<Seeded> read(const Seeded& v) {
  Seeded now{v.key, v.name, 0, std::vector<BYTE>(4096), v.kept};
  DWORD size = static_cast<DWORD>(now.data.size());
  if (RegGetValueW(HKEY_CURRENT_USER, v.key.c_str(), v.name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &now.type,
                   now.data.data(), &size))
    return std::nullopt;
  now.data.resize(size);
  return now;
}

bool same(const std::optional<Seeded>& now, const Seeded& v) { return now && now->type == v.type && now->data == v.data; }

class WindowsTab : public VelloxTest {
 protected:
  void SetUp() override {
    removeAll();
    for (const auto& v : kValues) put(v);
    const std::wstring every = L"+Folder views (ShellBags);+Program use (UserAssist);+DirectX shader cache";
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"windowsitems", REG_SZ, every.c_str(),
                    static_cast<DWORD>((every.size() + 1) * sizeof(wchar_t)));
    VelloxTest::SetUp();
  }

  void TearDown() override {
    VelloxTest::TearDown();
    removeAll();
  }

  void removeAll() {
    for (const auto& key : {kExplorer + L"\\RunMRU", kExplorer + L"\\RecentDocs", kExplorer + L"\\WordWheelQuery",
                            kExplorer + L"\\TypedPaths", kExplorer + L"\\ComDlg32", kExplorer + L"\\UserAssist",
                            kShell + L"\\BagMRU", kShell + L"\\Bags", std::wstring(L"Software\\Microsoft\\Windows\\ShellKept")})
      RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"windowsitems");
    test::removeTree(knownFolder(CSIDL_LOCAL_APPDATA) + L"\\Tarn Vellox\\backup");
  }
};

TEST_F(WindowsTab, AnalyzesCleansEveryTraceLeavesItsNeighboursAndItsBackupRestoresTheRegistry) {
  const HWND main = openFromTray(TrayChoice::Show);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(vellox().clickTab(main, kWindowsTab));
  const HWND page = findControl(main, IDC_PAGE_WINDOWS);
  const HWND list = findControl(page, IDC_LSTWINDOWS);
  ASSERT_TRUE(waitUntil([&] { return listViewRowCount(list) == 9; }, kPatience));
  EXPECT_EQ(listViewColumns(list), (std::vector<std::wstring>{L"Item", L"Found"}));
  for (size_t row = 0; row < 9; ++row) EXPECT_TRUE(listViewRowChecked(list, row)) << row;

  ASSERT_TRUE(pressButton(page, IDC_CMDANALYZEWINDOWS));
  ASSERT_TRUE(waitUntil([&] { return !listViewText(list, 8, 1).empty(); }, kPatience));
  // The registry's items, as Explorer's own types and lists give them.
  EXPECT_EQ(listViewText(list, 2, 1), L"4 items, 1 search");
  EXPECT_EQ(listViewText(list, 3, 1), L"1 folder, 1 view");
  EXPECT_EQ(listViewText(list, 4, 1), L"1 entry");

  ASSERT_TRUE(pressButton(page, IDC_CMDCLEANWINDOWS));
  const auto question = vellox().messageBox();
  ASSERT_TRUE(question.has_value());
  EXPECT_EQ(question->text, L"Clean the checked items?");
  ASSERT_TRUE(pressButton(question->window, IDYES));
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(question->window); }, kPatience));
  const auto closing = vellox().messageBox();
  ASSERT_TRUE(closing.has_value());
  const auto from = closing->text.find(L"saved in "), to = closing->text.find(L".reg;");
  ASSERT_TRUE(from != std::wstring::npos && to != std::wstring::npos) << closing->text.c_str();
  const std::wstring backup = closing->text.substr(from + 9, to + 4 - from - 9);
  ASSERT_TRUE(pressButton(closing->window, IDOK));

  for (const auto& v : kValues) EXPECT_TRUE(v.kept ? same(read(v), v) : !read(v)) << v.key.c_str() << " " << v.name.c_str();

  // Opened as a double-click would, the backup puts every value back exactly.
  Process regedit = Process::start(L"C:\\windows\\regedit.exe", L"/s \"" + backup + L"\"");
  ASSERT_TRUE(regedit);
  ASSERT_TRUE(regedit.waitForExit(kPatience).has_value());
  for (const auto& v : kValues) EXPECT_TRUE(same(read(v), v)) << "not as before: " << v.key.c_str();
}

}  // namespace
}  // namespace vellox::e2e
