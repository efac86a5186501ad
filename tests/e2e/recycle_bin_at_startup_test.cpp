// With "Empty Recycle Bin" stored as on, starting the program empties the bin
// at once and asks nothing.
#include <string>
#include "e2e/vellox_fixture.h"

namespace vellox::e2e {
namespace {

const wchar_t* kSettings = L"Software\\ Tarn Vellox\\Settings";

std::wstring variable(const wchar_t* name) {
  wchar_t value[32768];
  const DWORD n = GetEnvironmentVariableW(name, value, 32768);
  return n ? std::wstring(value, n) : std::wstring();
}

// Emptying the bin deletes real files: only the test run's own trash may be used.
bool trashIsTheTestsOwn() {
  const std::wstring root = variable(L"VELLOX_TEST_ROOT");
  const std::wstring data = variable(L"XDG_DATA_HOME");
  return !root.empty() && data.size() > root.size() && data.compare(0, root.size(), root) == 0 &&
         data[root.size()] == L'/';
}

// Wine's Recycle Bin is the Linux user's $XDG_DATA_HOME/Trash, reached through Z:.
std::wstring trashFolder() {
  std::wstring path = L"Z:" + variable(L"XDG_DATA_HOME") + L"/Trash";
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

bool makeFile(const std::wstring& path, const std::string& contents) {
  const std::wstring folder = path.substr(0, path.rfind(L'\\'));
  CreateDirectoryW(folder.substr(0, folder.rfind(L'\\')).c_str(), nullptr);
  CreateDirectoryW(folder.c_str(), nullptr);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == contents.size();
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The bin holds one file and the option is stored before the program starts.
class RecycleBinAtStartUp : public VelloxTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(trashIsTheTestsOwn()) << "XDG_DATA_HOME must lie inside VELLOX_TEST_ROOT";
    ASSERT_TRUE(makeFile(binned, "old data"));
    ASSERT_TRUE(makeFile(info, "[Trash Info]\nPath=/tmp/startup-binned.txt\nDeletionDate=2026-12-07T21:00:00\n"));
    const wchar_t on[] = L"1";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSettings, L"autoemptyrecyclebin", REG_SZ, on, sizeof on),
              ERROR_SUCCESS);
    VelloxTest::SetUp();
  }
  void TearDown() override {
    VelloxTest::TearDown();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettings, L"autoemptyrecyclebin");
  }

  const std::wstring binned = trashFolder() + L"\\files\\startup-binned.txt";
  const std::wstring info = trashFolder() + L"\\info\\startup-binned.txt.trashinfo";
};

TEST_F(RecycleBinAtStartUp, AStoredOptionEmptiesTheBinWithoutAsking) {
  EXPECT_TRUE(waitUntil([&] { return !exists(binned) && !exists(info); }, kPatience));
  EXPECT_TRUE(topLevelWindows({L"", kDialogClass, process().id(), true}).empty()) << "nothing was asked";
  EXPECT_EQ(vellox().mainWindow(Millis(0)), nullptr) << "the window stays in the tray";
  EXPECT_TRUE(process().running());
}

}  // namespace
}  // namespace vellox::e2e
