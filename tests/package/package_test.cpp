// The release artifacts as a user meets them. scripts/test packages first and names the
// folders: VELLOX_DIST (this build), VELLOX_NEWER_DIST (the same, a version higher) and
// VELLOX_ZIP_FOLDER (the zip, unpacked).
#include <gtest/gtest.h>
#include <algorithm>
#include "e2e/driver.h"
#include "ui/win32/resources/resource.h"

namespace vellox::e2e {
namespace {

const std::wstring kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarn Vellox";
const std::wstring kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kSettingsKey = L"Software\\ Tarn Vellox";
const std::wstring kVerbKeys[] = {L"Software\\Classes\\*\\shell\\TarnVellox.Shred",
                                  L"Software\\Classes\\Directory\\shell\\TarnVellox.Shred"};
constexpr Millis kSetupPatience{60000};

// A value under HKEY_CURRENT_USER as text; a DWORD in decimal.
std::optional<std::wstring> userValue(const std::wstring& key, const wchar_t* name) {
  std::wstring data(2048, L'\0');
  DWORD type = 0, size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, data.data(),
                   &size) != ERROR_SUCCESS)
    return std::nullopt;
  if (type == REG_DWORD) return std::to_wstring(*reinterpret_cast<const DWORD*>(data.data()));
  return data.substr(0, size / sizeof(wchar_t) - 1);
}

std::wstring environment(const wchar_t* name) {
  std::wstring value(32768, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
  return value;
}

// The names in `folder` matching `pattern`, sorted.
std::vector<std::wstring> names(const std::wstring& folder, const std::wstring& pattern = L"*.*") {
  std::vector<std::wstring> found;
  WIN32_FIND_DATAW data{};
  const win32::UniqueFindHandle search(FindFirstFileW((folder + L"\\" + pattern).c_str(), &data));
  if (search) do found.push_back(data.cFileName); while (FindNextFileW(search.get(), &data));
  std::erase_if(found, [](const std::wstring& name) { return name == L"." || name == L".."; });
  std::sort(found.begin(), found.end());
  return found;
}

std::wstring fileVersion(const std::wstring& path) {
  std::vector<char> block(GetFileVersionInfoSizeW(path.c_str(), nullptr));
  VS_FIXEDFILEINFO* info = nullptr;
  UINT size = 0;
  if (block.empty() || !GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) ||
      !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &size))
    return {};
  return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionMS)) +
         L"." + std::to_wstring(HIWORD(info->dwFileVersionLS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionLS));
}

std::wstring quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

struct SetupProgram {
  std::wstring path, version;  // from its name, TarnVellox-<version>-setup.exe
  explicit SetupProgram(const wchar_t* folderVariable) {
    const std::wstring folder = environment(folderVariable);
    const auto found = names(folder, L"TarnVellox-*-setup.exe");
    if (found.size() != 1) return;
    path = folder + L"\\" + found[0];
    version = found[0].substr(11, found[0].size() - 11 - 10);
  }
  bool run(const std::wstring& arguments) const {
    return Process::start(path, arguments).waitForExit(kSetupPatience) == 0u;
  }
};

class Package : public testing::Test {
 protected:
  void SetUp() override {
    VelloxDriver::endStrays();
    // Other tests of this prefix may have set the option: these start as a new user would.
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey.c_str(), L" Tarn Vellox");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, (kSettingsKey + L"\\Settings").c_str(), L"autostart");
    ASSERT_FALSE(setup_.path.empty() || newer_.path.empty()) << "scripts/test packages before it tests";
    ASSERT_EQ(userValue(kUninstallKey, L"DisplayName"), std::nullopt) << "installed before the test";
  }
  void TearDown() override {
    VelloxDriver::endStrays();
    if (const auto folder = userValue(kUninstallKey, L"InstallLocation"))
      Process::start(*folder + L"\\uninstall.exe", L"/S");
    waitUntil([] { return !userValue(kUninstallKey, L"DisplayName"); }, kSetupPatience);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey.c_str(), L"Test");
  }

  // Starts the program as a person would, and waits for its icon.
  static Process startWithIcon(const std::wstring& exe) {
    Process started = Process::start(exe);
    EXPECT_TRUE(started && VelloxDriver(started.id()).trayIcon()) << "no tray icon";
    return started;
  }
  // A setting of the user's, which the setup keeps.
  static void makeSetting() { RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey.c_str(), L"Test", REG_SZ, L"1", 4); }
  static bool settingKept() { return userValue(kSettingsKey, L"Test") == L"1"; }

  const SetupProgram setup_{L"VELLOX_DIST"};
  const SetupProgram newer_{L"VELLOX_NEWER_DIST"};
  const std::wstring programs_ = environment(L"APPDATA") + L"\\Microsoft\\Windows\\Start Menu\\Programs";
  const std::wstring defaultExe_ = environment(L"LOCALAPPDATA") + L"\\Programs\\Tarn Vellox\\vellox.exe";
};

TEST_F(Package, ASilentInstallWritesItsFilesShortcutEntryAndTheOptionsAskedFor) {
  const std::wstring folder = environment(L"USERPROFILE") + L"\\Outils ü\\Tarn Vellox";
  ASSERT_TRUE(setup_.run(L"/S /STARTWITHWINDOWS /EXPLORERMENU /D=" + folder));
  const std::wstring exe = folder + L"\\vellox.exe", uninstaller = folder + L"\\uninstall.exe";
  EXPECT_EQ(names(folder), (std::vector<std::wstring>{L"uninstall.exe", L"vellox.exe"}));
  EXPECT_EQ(fileVersion(exe), setup_.version);
  EXPECT_EQ(names(programs_, L"Tarn Vellox*"), std::vector<std::wstring>{L"Tarn Vellox.lnk"});
  const std::pair<const wchar_t*, std::wstring> entry[] = {
      {L"DisplayName", L"Tarn Vellox"},          {L"DisplayVersion", setup_.version},
      {L"Publisher", L"Tarn Vellox Software, Inc."}, {L"DisplayIcon", exe + L",0"},
      {L"InstallLocation", folder},              {L"UninstallString", quoted(uninstaller)},
      {L"QuietUninstallString", quoted(uninstaller) + L" /S"},
      {L"NoModify", L"1"},                       {L"NoRepair", L"1"}};
  for (const auto& [name, value] : entry) EXPECT_EQ(userValue(kUninstallKey, name), value) << name;
  EXPECT_GT(std::stoul(userValue(kUninstallKey, L"EstimatedSize").value_or(L"0")), 100u) << "in KB";
  // The very values the program writes for these options.
  EXPECT_EQ(userValue(kRunKey, L" Tarn Vellox"), quoted(exe));
  for (const auto& verb : kVerbKeys) EXPECT_EQ(userValue(verb + L"\\command", nullptr), quoted(exe) + L" --wipe \"%1\"");

  // The program agrees: the close of its window, at its exit, writes the Run value again.
  const Process vellox = startWithIcon(exe);
  ASSERT_TRUE(waitUntil([&] { return !topLevelWindows({kTitle, VELLOX_MAIN_CLASS, vellox.id(), false}).empty(); },
                        kPatience)) << "the main window is loaded";
  PostMessageW(FindWindowW(VELLOX_TRAY_CLASS, nullptr), RegisterWindowMessageW(VELLOX_EXIT_MESSAGE), 0, 0);
  EXPECT_EQ(vellox.waitForExit(kPatience), 0u);
  EXPECT_EQ(userValue(kRunKey, L" Tarn Vellox"), quoted(exe));
}

TEST_F(Package, AnUpgradeEndsTheRunningOlderBuildKeepsTheSettingsAndLeavesOneNewerInstance) {
  ASSERT_TRUE(setup_.run(L"/S"));
  EXPECT_EQ(userValue(kRunKey, L" Tarn Vellox"), std::nullopt) << "not asked for";
  const Process older = startWithIcon(defaultExe_);
  makeSetting();
  ASSERT_NE(newer_.version, setup_.version);
  ASSERT_TRUE(newer_.run(L"/S"));
  EXPECT_EQ(older.waitForExit(kPatience), 0u) << "the older build ended cleanly";
  EXPECT_EQ(fileVersion(defaultExe_), newer_.version);
  EXPECT_EQ(userValue(kUninstallKey, L"DisplayVersion"), newer_.version);
  EXPECT_TRUE(settingKept());
  std::vector<DWORD> running;
  ASSERT_TRUE(waitUntil([&] { return (running = processesNamed(kExeName)).size() == 1; }, kPatience));
  EXPECT_TRUE(VelloxDriver(running[0]).trayIcon().has_value());
}

TEST_F(Package, ASilentUninstallEndsVelloxAndLeavesNothingButTheSettings) {
  ASSERT_TRUE(setup_.run(L"/S /STARTWITHWINDOWS /EXPLORERMENU"));
  const Process vellox = startWithIcon(defaultExe_);
  makeSetting();
  const std::wstring quiet = userValue(kUninstallKey, L"QuietUninstallString").value_or(L"\"\"");
  const size_t close = quiet.find(L'"', 1);  // as Apps & Features runs it
  ASSERT_TRUE(Process::start(quiet.substr(1, close - 1), quiet.substr(close + 1)));
  EXPECT_EQ(vellox.waitForExit(kPatience), 0u) << "ended cleanly";
  const std::wstring folder = defaultExe_.substr(0, defaultExe_.rfind(L'\\'));
  // The uninstaller runs on from a copy of itself; the entry goes last.
  ASSERT_TRUE(waitUntil([&] { return !userValue(kUninstallKey, L"DisplayName"); }, kSetupPatience));
  EXPECT_EQ(GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES) << "the folder is gone";
  EXPECT_EQ(names(programs_, L"Tarn Vellox*"), std::vector<std::wstring>{});
  EXPECT_EQ(userValue(kRunKey, L" Tarn Vellox"), std::nullopt);
  for (const auto& verb : kVerbKeys) EXPECT_EQ(userValue(verb, nullptr), std::nullopt);
  EXPECT_TRUE(settingKept());
}

// The log names browsers and profiles and when each clean ran: it goes with the settings,
// and only with them.
TEST_F(Package, RemovingTheSettingsRemovesTheCleanLogWithThem) {
  const std::wstring logFolder = environment(L"LOCALAPPDATA") + L"\\Tarn Vellox";
  const std::wstring folder = defaultExe_.substr(0, defaultExe_.rfind(L'\\'));
  for (bool remove : {false, true}) {
    ASSERT_TRUE(setup_.run(L"/S"));
    makeSetting();
    CreateDirectoryW(logFolder.c_str(), nullptr);
    for (const wchar_t* name : {L"clean.log", L"clean.log.1"})
      win32::UniqueHandle(CreateFileW((logFolder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    // In place, so that its exit code is the uninstall's.
    const std::wstring arguments = std::wstring(remove ? L"/S /REMOVESETTINGS" : L"/S") + L" _?=" + folder;
    EXPECT_EQ(Process::start(folder + L"\\uninstall.exe", arguments).waitForExit(kSetupPatience), 0u);
    EXPECT_EQ(names(logFolder, L"clean.log*").empty(), remove) << remove;
    EXPECT_EQ(GetFileAttributesW(logFolder.c_str()) == INVALID_FILE_ATTRIBUTES, remove) << remove;
    EXPECT_EQ(settingKept(), !remove);
    DeleteFileW((folder + L"\\uninstall.exe").c_str());
    RemoveDirectoryW(folder.c_str());
  }
  for (const wchar_t* name : {L"clean.log", L"clean.log.1"}) DeleteFileW((logFolder + L"\\" + name).c_str());
  RemoveDirectoryW(logFolder.c_str());
}

TEST_F(Package, TheZipHoldsItsFourFilesAndItsVelloxRunsFromWhereItWasUnpacked) {
  const std::wstring folder = environment(L"VELLOX_ZIP_FOLDER");
  EXPECT_EQ(names(folder), (std::vector<std::wstring>{L"CHANGES.txt", L"LICENSE.txt", L"README.txt", L"vellox.exe"}));
  startWithIcon(folder + L"\\vellox.exe");
}

}  // namespace
}  // namespace vellox::e2e
