// Explorer's "Shred with Tarn Vellox" runs a second vellox.exe with --wipe: it hands the
// path to the running one and ends, and the running one asks before it wipes anything.
#include <string>
#include "e2e/vellox_fixture.h"
#include "ui/win32/resources/resource.h"

namespace vellox::e2e {
namespace {

// A file of the test's own on the prefix's C: drive, with a blank in its name.
class ScratchFile {
 public:
  ScratchFile() : path_(L"C:\\vellox e2e shred " + std::to_wstring(GetCurrentProcessId()) + L".txt") {
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "keep me", 7, &written, nullptr);
    CloseHandle(file);
  }
  ~ScratchFile() { DeleteFileW(path_.c_str()); }
  const std::wstring& path() const { return path_; }
  bool exists() const { return GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }

 private:
  std::wstring path_;
};

using WipeFromExplorer = VelloxTest;

TEST_F(WipeFromExplorer, ASecondVelloxHandsThePathOverAndTheRunningOneWarnsFirst) {
  ScratchFile file;
  const Process second = Process::start(exeFolder() + kExeName, L"--wipe \"" + file.path() + L"\"");
  ASSERT_TRUE(second);
  const auto code = second.waitForExit(kPatience);
  ASSERT_TRUE(code.has_value()) << "the second vellox.exe did not end (a box of its own would hold it)";
  EXPECT_EQ(*code, 0u);

  const auto warning = vellox().messageBox();
  ASSERT_TRUE(warning.has_value()) << "the running vellox.exe showed no warning";
  EXPECT_EQ(warning->text, kWarning + L"\nTarget: the file " + file.path());
  const HWND main = vellox().mainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(selectedTab(vellox().tabControl(main)), kSecureWipeTab);
  const HWND page = findControl(main, IDC_PAGE_WIPE);
  EXPECT_EQ(controlText(page, IDC_TXTFILETOWIPE), file.path());

  ASSERT_TRUE(pressButton(warning->window, IDCANCEL));
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(warning->window); }, kPatience));
  EXPECT_FALSE(vellox().messageBox(Millis(1000)).has_value()) << "Cancel wipes nothing and says nothing";
  EXPECT_TRUE(file.exists());
}

TEST_F(WipeFromExplorer, AnUnknownArgumentIsNamedAndTheProgramEnds) {
  const Process stray = Process::start(exeFolder() + kExeName, L"--shred C:\\x");
  ASSERT_TRUE(stray);
  const auto box = findMessageBox(stray.id(), kTitle, kPatience);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text.rfind(L"Unknown argument: --shred\n", 0), 0u);
  ASSERT_TRUE(pressButton(box->window, IDOK));
  const auto code = stray.waitForExit(kPatience);
  ASSERT_TRUE(code.has_value());
  EXPECT_EQ(*code, 1u);
}

}  // namespace
}  // namespace vellox::e2e
