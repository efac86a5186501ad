#include <gtest/gtest.h>
#include <windows.h>
#include <chrono>
#include <string>
#include <thread>
#include "files_temp_dir.h"
#include "platform/win32/dialogs.h"

namespace vellox::test {
namespace {

struct FoundDialog {
  HWND window = nullptr;
};

BOOL CALLBACK findVisibleDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  reinterpret_cast<FoundDialog*>(found)->window = window;
  return FALSE;
}

// Waits until `thread` shows a dialog, polling; null when none comes in time.
HWND waitForDialog(DWORD thread) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < deadline) {
    FoundDialog found;
    EnumThreadWindows(thread, findVisibleDialog, reinterpret_cast<LPARAM>(&found));
    if (found.window) return found.window;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return nullptr;
}

BOOL CALLBACK findText(HWND child, LPARAM wanted) {
  wchar_t text[256] = {};
  GetWindowTextW(child, text, 256);
  auto* target = reinterpret_cast<std::pair<std::wstring, bool>*>(wanted);
  if (target->first == text) target->second = true;
  return TRUE;
}

// Answers the dialog that the test's thread opens, from a helper thread.
class DialogAnswerer {
 public:
  DialogAnswerer(int button, std::wstring wantedText = L"")
      : thread_(GetCurrentThreadId()), worker_([this, button, wantedText] {
          HWND dialog = waitForDialog(thread_);
          found = dialog != nullptr;
          if (!dialog) return;
          std::pair<std::wstring, bool> wanted{wantedText, false};
          if (!wantedText.empty()) EnumChildWindows(dialog, findText, reinterpret_cast<LPARAM>(&wanted));
          textShown = wanted.second;
          PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        }) {}
  ~DialogAnswerer() { join(); }
  void join() {
    if (worker_.joinable()) worker_.join();
  }
  bool found = false;
  bool textShown = false;

 private:
  DWORD thread_;
  std::thread worker_;
};

bool samePath(const std::string& a, const std::string& b) {
  return CompareStringOrdinal(toWide(a).c_str(), -1, toWide(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}

TEST(Win32Dialogs, FolderPickerOpensOnTheInitialFolderAndReturnsIt) {
  // Wine's picker cannot select folders inside the user's profile, so this one
  // sits on the (temporary) prefix's own drive.
  WinTempDir dir(L"C:\\");
  ASSERT_FALSE(dir.path().empty());
  std::string chosen;
  {
    DialogAnswerer answer(IDOK, L"&Select folder to wipe");
    chosen = win32::browseForFolder(dir.path(), nullptr, "&Select folder to wipe");
    answer.join();
    EXPECT_TRUE(answer.found);
    EXPECT_TRUE(answer.textShown);
  }
  EXPECT_EQ(win32::initialFolder, dir.path());
  EXPECT_TRUE(samePath(chosen, dir.path())) << chosen;
}

TEST(Win32Dialogs, CancelledFolderPickerGivesEmptyText) {
  WinTempDir dir;
  DialogAnswerer answer(IDCANCEL);
  EXPECT_EQ(win32::browseForFolder(dir.path(), nullptr, "&Select folder to wipe"), "");
  answer.join();
  EXPECT_TRUE(answer.found);
}

TEST(Win32Dialogs, FileDialogReturnsTheNameItShowedAndNothingWhenCancelled) {
  WinTempDir dir;
  const std::string file = dir / "chosen.txt";
  ASSERT_TRUE(makeFile(file, "x"));
  {
    DialogAnswerer answer(IDOK);
    const auto chosen = win32::showOpenFileDialog(nullptr, "All Files (*.*)|*.*", file);
    answer.join();
    EXPECT_TRUE(answer.found);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(samePath(*chosen, file)) << *chosen;
  }
  {
    DialogAnswerer answer(IDCANCEL);
    EXPECT_EQ(win32::showOpenFileDialog(nullptr, "All Files (*.*)|*.*", file), std::nullopt);
    answer.join();
    EXPECT_TRUE(answer.found);
  }
}

}  // namespace
}  // namespace vellox::test
