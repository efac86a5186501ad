#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <string>
#include <vector>
#include "files_temp_dir.h"
#include "real_window_support.h"

namespace vellox::test {
namespace {

// A WM_DROPFILES as the shell sends it: a DROPFILES header, then the wide paths, each
// ended by a NUL, and one more NUL. The receiver frees it with DragFinish.
HGLOBAL dropBlock(const std::vector<std::string>& paths) {
  std::wstring names;
  for (const auto& path : paths) names += toWide(path) + L'\0';
  names += L'\0';
  const SIZE_T bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GHND, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(block));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(block);
  return block;
}

// The Secure Wipe page takes drops from the shell, and they reach its fields.
TEST(DropFiles, TheSecureWipePageTakesDroppedFoldersAndFiles) {
  WinTempDir dir;
  const std::string folder = dir / "folder \xCE\xA9";  // folder Ω
  ASSERT_TRUE(makeFile(folder + "\\inside.txt", "x"));
  ASSERT_TRUE(makeFile(dir / "one.txt", "1"));
  ASSERT_TRUE(makeFile(dir / "two.txt", "2"));
  TestEnv env;
  auto files = win32::makeFiles();
  RealMainWindow w(env.services, env.urlCache, env.registry, *files);
  w.view.show();
  HWND page = w.view.page(kTabSecureWipe);
  EXPECT_TRUE(GetWindowLongPtrW(page, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

  SendMessageW(page, WM_DROPFILES, reinterpret_cast<WPARAM>(dropBlock({folder})), 0);
  EXPECT_EQ(textOf(w.view.txtFolderToWipe.hwnd()), folder);
  EXPECT_EQ(textOf(w.view.txtFileToWipe.hwnd()), "");

  SendMessageW(page, WM_DROPFILES, reinterpret_cast<WPARAM>(dropBlock({dir / "one.txt", dir / "two.txt"})), 0);
  EXPECT_EQ(textOf(w.view.txtFileToWipe.hwnd()), "2 files");
  EXPECT_EQ(textOf(w.view.txtFolderToWipe.hwnd()), folder);
  EXPECT_TRUE(env.ui.messages.empty());
  for (const char* name : {"one.txt", "two.txt", "folder \xCE\xA9\\inside.txt"}) EXPECT_TRUE(fileExists(dir / name));
}

}  // namespace
}  // namespace vellox::test
