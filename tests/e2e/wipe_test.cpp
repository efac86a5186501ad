// The Secure Wipe tab as a person meets it: what the warning names, a target refused, and
// a folder whose files share data with names outside it.
#include <string>
#include "e2e/vellox_fixture.h"
#include "ui/win32/resources/resource.h"
#include "win32/files_temp_dir.h"

namespace vellox::e2e {
namespace {

// A folder of the test's own on the prefix's C: drive, removed afterwards.
class Scratch {
 public:
  Scratch() : root_(L"C:\\vellox-e2e-wipe-" + std::to_wstring(GetCurrentProcessId())) { CreateDirectoryW(root_.c_str(), nullptr); }
  ~Scratch() { test::removeTree(root_); }
  std::wstring operator/(const std::wstring& name) const { return root_ + L"\\" + name; }

 private:
  std::wstring root_;
};

bool writeFile(const std::wstring& path, const std::string& contents) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == contents.size();
}

std::string readFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<unreadable>";
  std::string contents(4096, '\0');
  DWORD got = 0;
  ReadFile(file, contents.data(), static_cast<DWORD>(contents.size()), &got, nullptr);
  CloseHandle(file);
  contents.resize(got);
  return contents;
}

class WipeTab : public VelloxTest {
 protected:
  // Opens the Secure Wipe tab, fills both fields and clicks "&Wipe"; the box that follows.
  std::optional<MessageBoxView> wipe(const std::wstring& file, const std::wstring& folder) {
    const HWND main = openFromTray(TrayChoice::Show);
    if (main == nullptr || !vellox().clickTab(main, kSecureWipeTab)) return std::nullopt;
    const HWND page = findControl(main, IDC_PAGE_WIPE);
    SendMessageW(findControl(page, IDC_TXTFILETOWIPE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.c_str()));
    SendMessageW(findControl(page, IDC_TXTFOLDERTOWIPE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    if (!pressButton(page, IDC_CMDWIPE)) return std::nullopt;
    return vellox().messageBox();
  }

  // Answers a box and waits for the next one.
  std::optional<MessageBoxView> answer(const MessageBoxView& box, int button) {
    if (!pressButton(box.window, button) || !waitUntil([&] { return !IsWindow(box.window); }, kPatience))
      return std::nullopt;
    return vellox().messageBox();
  }
};

TEST_F(WipeTab, TextThatIsNotAFullPathIsRefusedBeforeAnyWarning) {
  Scratch scratch;
  ASSERT_TRUE(writeFile(scratch / L"kept.txt", "kept"));
  const auto refusal = wipe(scratch / L"kept.txt", L"C:folder");
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->text,
            L"Nothing was wiped. This is not a full path:\nC:folder\n"
            L"Give the whole path, from a drive such as C:\\ or from \\\\server\\share.");
  EXPECT_TRUE(waitUntil([&] { return nearestSystemIcon(refusal->iconControl) == IDI_WARNING; }, kPatience));
  EXPECT_EQ(refusal->buttons, std::vector<std::wstring>{L"OK"});
  ASSERT_TRUE(pressButton(refusal->window, IDOK));
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(refusal->window); }, kPatience));
  EXPECT_FALSE(vellox().messageBox(Millis(500)).has_value()) << "no warning follows";
  EXPECT_EQ(readFile(scratch / L"kept.txt"), "kept");
}

TEST_F(WipeTab, TheWarningNamesTheTargetAndSharedDataIsLeftAndListed) {
  Scratch scratch;
  ASSERT_TRUE(CreateDirectoryW((scratch / L"store").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((scratch / L"target").c_str(), nullptr));
  ASSERT_TRUE(writeFile(scratch / L"store\\object.bin", "shared data"));
  ASSERT_TRUE(writeFile(scratch / L"target\\own.txt", "own"));
  ASSERT_TRUE(CreateHardLinkW((scratch / L"target\\object.bin").c_str(), (scratch / L"store\\object.bin").c_str(),
                              nullptr));

  const auto warning = wipe(L"", L"  " + (scratch / L"target") + L" ");
  ASSERT_TRUE(warning.has_value());
  EXPECT_EQ(warning->text, kWarning + L"\nTarget: every file in " + (scratch / L"target\\"));
  EXPECT_EQ(warning->buttons, (std::vector<std::wstring>{L"OK", L"Cancel"}));
  const auto outcome = answer(*warning, IDOK);
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(outcome->text, L"1File(s) wiped\n1 item(s) could not be wiped:\n" + (scratch / L"target\\object.bin") +
                               L": other names share its data");
  EXPECT_TRUE(waitUntil([&] { return nearestSystemIcon(outcome->iconControl) == IDI_WARNING; }, kPatience));
  ASSERT_TRUE(pressButton(outcome->window, IDOK));
  EXPECT_EQ(readFile(scratch / L"store\\object.bin"), "shared data");
  EXPECT_EQ(GetFileAttributesW((scratch / L"target\\own.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesW((scratch / L"target\\object.bin").c_str()), INVALID_FILE_ATTRIBUTES);
}

bool makeLongFile(const std::wstring& path, LONG length) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool ok = SetFilePointer(file, length, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER && SetEndOfFile(file);
  CloseHandle(file);
  return ok;
}

std::size_t filesIn(const std::wstring& folder) {
  std::size_t count = 0;
  WIN32_FIND_DATAW data;
  HANDLE found = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (found == INVALID_HANDLE_VALUE) return 0;
  do count += (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
  while (FindNextFileW(found, &data));
  FindClose(found);
  return count;
}

// The wipe runs beside the window: it answers, shows which file is in progress, and Cancel
// stops after the write in progress, leaving that file listed and the rest as they were.
TEST_F(WipeTab, CancelAfterTheFirstProgressLeavesTheRestAsItWas) {
  // Long enough that Cancel comes first, quick to make: each file gets its length without its data.
  constexpr std::size_t kCount = 200;
  Scratch scratch;
  const std::wstring folder = scratch / L"many";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  for (std::size_t i = 0; i < kCount; ++i)
    ASSERT_TRUE(makeLongFile(folder + L"\\f" + std::to_wstring(1000 + i) + L".bin", 4 << 20));

  const auto warning = wipe(L"", folder);
  ASSERT_TRUE(warning.has_value());
  const HWND main = vellox().mainWindow();
  const HWND page = findControl(main, IDC_PAGE_WIPE);
  ASSERT_TRUE(pressButton(warning->window, IDOK));
  ASSERT_TRUE(waitUntil([&] { return controlText(main, IDC_SBAR).rfind(L"Currently wiping", 0) == 0; }, kPatience))
      << "no progress appeared";
  EXPECT_EQ(controlText(page, IDC_CMDWIPE), L"&Cancel");
  EXPECT_FALSE(IsWindowEnabled(findControl(page, IDC_TXTFOLDERTOWIPE)));
  EXPECT_EQ(controlText(page, IDC_LBLWIPEFILES).rfind(L"file ", 0), 0u);
  DWORD_PTR ignored = 0;
  EXPECT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored), 0) << "the window answers";

  ASSERT_TRUE(pressButton(page, IDC_CMDWIPE));
  const auto outcome = vellox().messageBox();
  ASSERT_TRUE(outcome.has_value());
  const std::wstring& text = outcome->text;
  const auto wiped = static_cast<std::size_t>(std::stoul(text));
  const std::wstring cancelled = L"File(s) wiped\nCancelled: ";
  const auto at = text.find(cancelled);
  ASSERT_NE(at, std::wstring::npos) << text;
  const auto left = static_cast<std::size_t>(std::stoul(text.substr(at + cancelled.size())));
  // Several files are wiped at once: those in progress are listed.
  const std::wstring leftLine = L" file(s) were left as they were\n";
  const std::wstring rest = text.substr(text.find(leftLine) + leftLine.size());
  const auto inProgress = static_cast<std::size_t>(std::stoul(rest));
  EXPECT_EQ(rest.find(L" item(s) could not be wiped:\n" + folder), std::to_wstring(inProgress).size()) << text;
  EXPECT_NE(rest.find(L": the wipe was cancelled before it was done"), std::wstring::npos) << text;
  EXPECT_GE(inProgress, 1u);
  EXPECT_GT(left, 0u) << "Cancel came after the last file: the test needs more files";
  EXPECT_EQ(wiped + left + inProgress, kCount);
  EXPECT_EQ(filesIn(folder), left + inProgress) << "the files in progress and those not reached stay";
  ASSERT_TRUE(pressButton(outcome->window, IDOK));
  EXPECT_TRUE(waitUntil([&] { return controlText(page, IDC_CMDWIPE) == L"&Wipe"; }, kPatience));
  EXPECT_TRUE(IsWindowEnabled(findControl(page, IDC_TXTFOLDERTOWIPE)));
}

}  // namespace
}  // namespace vellox::e2e
