// The Windows tab as a person meets it, on a prefix holding a trace of every item beside what must
// stay: the real registry, folders, clipboard and a file held without sharing, and regedit reading
// the backup back. Each file rule's edge cases are the native tests' part.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <string>
#include <vector>
#include "e2e/e2e_files.h"
#include "e2e/process.h"
#include "e2e/vellox_fixture.h"
#include "platform/win32/handle.h"
#include "ui/win32/resources/resource.h"
#include "win32/clipboard_text.h"
#include "win32/files_temp_dir.h"

namespace vellox::e2e {
namespace {

constexpr size_t kWindowsTab = 5;
const std::wstring kExplorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::wstring kShell = L"Software\\Microsoft\\Windows\\Shell";
const wchar_t* kSettingsKey = L"Software\\ Tarn Vellox\\Settings";

using Stored = std::pair<DWORD, std::vector<BYTE>>;  // a value's type and bytes

struct Seeded {
  std::wstring key, name;
  Stored value;
  bool kept = false;  // beside the traces, and not theirs
};

std::vector<BYTE> text(const std::wstring& s) {
  const auto* p = reinterpret_cast<const BYTE*>(s.c_str());
  return {p, p + (s.size() + 1) * sizeof(wchar_t)};
}

// The traces, each of the type Explorer gives it, MRU lists in binary with MRUListEx.
const std::vector<Seeded> kValues = {
    {kExplorer + L"\\RunMRU", L"a", {REG_SZ, text(L"regedit\\1")}},
    {kExplorer + L"\\RunMRU", L"MRUList", {REG_SZ, text(L"a")}},
    {kExplorer + L"\\RecentDocs\\.txt", L"0", {REG_BINARY, {'s', 0, 0, 0, 0x14, 0, 0x1F}}},
    {kExplorer + L"\\RecentDocs\\.txt", L"MRUListEx", {REG_BINARY, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}}},
    {kExplorer + L"\\WordWheelQuery", L"0", {REG_BINARY, {'q', 0, 0, 0}}},
    {kExplorer + L"\\TypedPaths", L"url1", {REG_SZ, text(L"C:\\private \"plans\"")}},
    {kExplorer + L"\\ComDlg32\\LastVisitedPidlMRU", L"0", {REG_BINARY, {'n', 0, 0, 0, 0x14, 0}}},
    {kExplorer + L"\\UserAssist\\{E2E}\\Count", L"HRZR_PGYFRFFVBA", {REG_BINARY, std::vector<BYTE>(72, 7)}},
    {kShell + L"\\BagMRU", L"0", {REG_BINARY, {0x14, 0, 0x1F, 0x50}}},
    {kShell + L"\\BagMRU\\0", L"MRUListEx", {REG_BINARY, {0xFF, 0xFF, 0xFF, 0xFF}}},
    {kShell + L"\\Bags\\1", L"Mode", {REG_DWORD, {4, 0, 0, 0}}},
    {kShell + L"\\Bags\\1", L"Path", {REG_EXPAND_SZ, text(L"%USERPROFILE%\\x")}},
    {kExplorer + L"\\RunMRU", L"Keep", {REG_SZ, text(L"not a list")}, true},
    {kExplorer + L"\\RecentDocs", L"Kept", {REG_DWORD, {9, 0, 0, 0}}, true},
    {kExplorer + L"\\UserAssist\\{E2E}", L"Version", {REG_DWORD, {5, 0, 0, 0}}, true},
    {kShell + L"\\Kept", L"x", {REG_SZ, text(L"y")}, true},
};

// The value as stored now, or nothing when it is missing.
std::optional<Stored> read(const Seeded& v) {
  DWORD type = 0, size = 4096;
  std::vector<BYTE> data(size);
  if (RegGetValueW(HKEY_CURRENT_USER, v.key.c_str(), v.name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, &data[0], &size))
    return std::nullopt;
  data.resize(size);
  return Stored{type, data};
}

class WindowsTab : public VelloxTest {
 protected:
  void SetUp() override {
    removeAll();
    for (const auto& v : kValues)
      RegSetKeyValueW(HKEY_CURRENT_USER, v.key.c_str(), v.name.c_str(), v.value.first, v.value.second.data(),
                      static_cast<DWORD>(v.value.second.size()));
    const std::wstring every = L"+Folder views (ShellBags);+Program use (UserAssist);+DirectX shader cache";
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"windowsitems", REG_SZ, every.c_str(),
                    static_cast<DWORD>((every.size() + 1) * sizeof(wchar_t)));
    for (const auto& [path, kept] : files) writeFile(path, std::string(3000, 'x'));
    held.reset(CreateFileW(files.back().first.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held && test::putClipboardText(L"a copied password"));
    VelloxTest::SetUp();
  }

  void TearDown() override {
    VelloxTest::TearDown();
    held.reset();
    removeAll();
  }

  void removeAll() {
    for (const auto& v : kValues) RegDeleteTreeW(HKEY_CURRENT_USER, v.key.c_str());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"windowsitems");
    for (const auto& [path, kept] : files) DeleteFileW(path.c_str());
    for (const auto* folder : {L"\\Tarn Vellox\\backup", L"\\Microsoft\\Windows\\WER", L"\\D3DSCache\\e2e"})
      test::removeTree(local + folder);
  }

  const std::wstring recent = knownFolder(CSIDL_APPDATA) + L"\\Microsoft\\Windows\\Recent\\";
  const std::wstring local = knownFolder(CSIDL_LOCAL_APPDATA);
  // A trace of each file item, and beside them what stays; the last is held without sharing.
  const std::vector<std::pair<std::wstring, bool>> files = {
      {recent + L"plans.docx.lnk", false}, {recent + L"CustomDestinations\\e2e.customDestinations-ms", false},
      {recent + L"AutomaticDestinations\\1b4dd67f29cb1962.automaticDestinations-ms", false},
      {local + L"\\Microsoft\\Windows\\Explorer\\thumbcache_96.db", false}, {recent + L"desktop.ini", true},
      {local + L"\\Microsoft\\Windows\\WER\\ReportQueue\\AppCrash_e2e\\Report.wer", false},
      {local + L"\\D3DSCache\\e2e\\shader.idx", false},
      {local + L"\\Microsoft\\Windows\\Explorer\\thumbcache_256.db", true}};
  win32::UniqueHandle held;
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
  EXPECT_EQ(listViewText(list, 5, 1), L"3 KB in 1 file, 1 in use");  // the held file, not counted

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
  EXPECT_NE(closing->text.find(L"Not cleaned, Thumbnail cache: 1 file in use"), std::wstring::npos);
  ASSERT_TRUE(pressButton(closing->window, IDOK));

  for (const auto& v : kValues) EXPECT_EQ(read(v), v.kept ? std::optional(v.value) : std::nullopt) << v.key.c_str();
  for (const auto& [path, kept] : files) EXPECT_EQ(exists(path), kept) << path.c_str();
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));

  // Opened as a double-click would, the backup puts every value back exactly.
  Process regedit = Process::start(L"C:\\windows\\regedit.exe", L"/s \"" + backup + L"\"");
  ASSERT_TRUE(regedit);
  ASSERT_TRUE(regedit.waitForExit(kPatience).has_value());
  for (const auto& v : kValues) EXPECT_EQ(read(v), v.value) << "not as before: " << v.key.c_str();
}

}  // namespace
}  // namespace vellox::e2e
