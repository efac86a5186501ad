#include <windows.h>
#include <cstdlib>
#include <memory>
#include <string>
#include "contracts/free_space_contract.h"
#include "contracts/instance_contract.h"
#include "contracts/processes_contract.h"
#include "contracts/registry_contract.h"
#include "contracts/settings_store_contract.h"
#include "contracts/shell_contract.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_free_space.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/win32_settings_store.h"
#include "clipboard_text.h"
#include "recycle_bin_trash.h"
#include "registry_scratch.h"

// The real services against the contracts their fakes keep natively.
namespace vellox::test {
namespace {

struct RealRegistrySide {
  Registry& registry() { return *registry_; }
  std::string root() const { return scratch_.pathText(); }
  void putDword(const std::string& subkey, const std::string& name, std::uint32_t value) {
    const DWORD data = value;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, std::wstring(subkey.begin(), subkey.end()).c_str(),
                              std::wstring(name.begin(), name.end()).c_str(), REG_DWORD, &data, sizeof data),
              ERROR_SUCCESS);
  }
  ScratchRegistryKey scratch_;
  std::unique_ptr<Registry> registry_ = win32::makeRegistry();
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistryContract, RealRegistrySide);

struct RealSettingsSide {
  SettingsStore& store() { return *store_; }
  ScratchRegistryKey scratch_;
  std::unique_ptr<SettingsStore> store_ = win32::makeSettingsStore(win32::makeRegistry(), scratch_.pathText());
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, SettingsStoreContract, RealSettingsSide);

struct RealShellSide {
  RealShellSide() { EXPECT_TRUE(trashIsTheTestsOwn()) << "XDG_DATA_HOME must lie inside VELLOX_TEST_ROOT"; }
  Shell& shell() { return *shell_; }
  bool putInBin(const std::string& name) { return trashIsTheTestsOwn() && putInTrash(win32::widen(name)); }
  bool inBin(const std::string& name) const { return inTrash(win32::widen(name)); }
  bool putOnClipboard(const std::string& text) { return putClipboardText(win32::widen(text)); }
  std::unique_ptr<Shell> shell_ = win32::makeShell();
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ShellContract, RealShellSide);

struct RealInstanceSide {
  Instance& first() { return *first_; }
  Instance& second() { return *second_; }
  std::string uniqueName() const { return "Tarn Vellox contract " + std::to_string(GetCurrentProcessId()); }
  std::unique_ptr<Instance> first_ = win32::makeInstance();
  std::unique_ptr<Instance> second_ = win32::makeInstance();
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, InstanceContract, RealInstanceSide);

struct RealProcessesSide {
  Processes& service() { return *processes; }
  std::string ownExe() { return "vellox_win_tests.exe"; }
  std::unique_ptr<Processes> processes = win32::makeProcesses();
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ProcessesContract, RealProcessesSide);

// Filled for real, so on small drives of the test's own that scripts/test mounts (tmpfs), never
// on a disk the host needs.
struct RealFreeSpaceSide {
  RealFreeSpaceSide() { EXPECT_FALSE(root().empty() || readOnlyRoot().empty()) << "scripts/test names the drives"; }
  FreeSpace& service() { return *space_; }
  static std::string drive(const char* variable) {
    const char* letter = std::getenv(variable);
    return letter && *letter ? std::string(letter, 1) + ":\\" : std::string();
  }
  std::string root() const { return drive("VELLOX_SMALL_DRIVE"); }
  std::string readOnlyRoot() const { return drive("VELLOX_READONLY_DRIVE"); }
  std::string missingName() const {
    char letter = 'B';
    while (GetLogicalDrives() & (1u << (letter - 'A'))) ++letter;
    return std::string(1, letter) + ":";
  }
  bool exists(const std::string& path) const { return GetFileAttributesW(win32::widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }
  void makeFolder(const std::string& path) { CreateDirectoryW(win32::widen(made = path).c_str(), nullptr); }
  ~RealFreeSpaceSide() { RemoveDirectoryW(win32::widen(made).c_str()); }
  std::string made;
  std::unique_ptr<FreeSpace> space_ = win32::makeFreeSpace();
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, FreeSpaceContract, RealFreeSpaceSide);

}  // namespace
}  // namespace vellox::test
