#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <string>
#include "common/app_identity.h"
#include "gui_test_util.h"
#include "ui/win32/main_window.h"
#include "ui/win32/resources/resource.h"
#include "ui/win32/window_classes.h"
#include "version.h"

namespace vellox::test {
namespace {

// The resources are linked into this test program exactly as into vellox.exe.
std::string resourceBytes(LPCWSTR type, LPCWSTR name) {
  HRSRC found = FindResourceW(nullptr, name, type);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);
  const auto* data = static_cast<const char*>(LockResource(loaded));
  return data ? std::string(data, SizeofResource(nullptr, found)) : std::string();
}

std::string utf16Bytes(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

// The window layer names the program from its resources: the splash, and the box
// that reports an unexpected error.
TEST(Resources, TheTitleIsTheApplicationsOwn) {
  EXPECT_EQ(win32::programTitle(GetModuleHandleW(nullptr)), kAppTitle);
}

TEST(Resources, VersionRecordCarriesTheBuildsVersion) {
  const std::string version = resourceBytes(RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO));
  ASSERT_FALSE(version.empty());
  const DWORD signature = 0xFEEF04BD;
  const auto at = version.find(std::string(reinterpret_cast<const char*>(&signature), 4));
  ASSERT_NE(at, std::string::npos);
  VS_FIXEDFILEINFO fixed{};
  memcpy(&fixed, version.data() + at, sizeof(fixed));
  EXPECT_EQ(fixed.dwFileVersionMS, DWORD{VELLOX_VERSION_MAJOR} << 16 | VELLOX_VERSION_MINOR);
  EXPECT_EQ(fixed.dwFileVersionLS, DWORD{VELLOX_VERSION_PATCH} << 16 | VELLOX_VERSION_TWEAK);
  EXPECT_EQ(fixed.dwProductVersionMS, fixed.dwFileVersionMS);
  for (const wchar_t* text : {L"ProductName", L"Tarn Vellox", L"CompanyName", L"FileDescription", L"" VELLOX_VERSION_TEXT})
    EXPECT_NE(version.find(utf16Bytes(text)), std::string::npos) << win32::narrow(text);
}

TEST(Resources, ManifestAsksForCommonControlsSixPerMonitorDpiAndNoElevation) {
  const std::string manifest = resourceBytes(RT_MANIFEST, MAKEINTRESOURCEW(1));
  for (const char* part : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "PerMonitorV2",
                           "true/pm", "asInvoker", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
                           "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"})
    EXPECT_NE(manifest.find(part), std::string::npos) << part;

  // And the system honoured it: the buttons are the version 6 ones, which know their ideal size.
  initCommonControls();
  win32::Win32MainView view(GetModuleHandleW(nullptr));
  SIZE ideal{};
  EXPECT_TRUE(SendMessageW(view.cmdok.hwnd(), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
  EXPECT_GT(ideal.cx, 0);
}

TEST(Resources, IconHasTheTrayAndWindowSizesAndThePicturesLoad) {
  for (int size : {16, 20, 24, 32, 48, 256}) {
    const win32::UniqueIcon icon = win32::loadProgramIcon(GetModuleHandleW(nullptr), size);
    ASSERT_TRUE(icon) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    const win32::GdiObject<HBITMAP> color(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
  }
  // The icon directory holds an image of exactly each size, not one scaled from another.
  const std::string group = resourceBytes(RT_GROUP_ICON, MAKEINTRESOURCEW(IDI_VELLOX));
  ASSERT_GE(group.size(), 6u);
  EXPECT_EQ(static_cast<unsigned char>(group[4]), 8);  // 16, 20, 24, 32, 40, 48, 64, 256
  for (int id : {IDB_BANNER, IDB_LOGO, IDB_SPLASH}) {
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP,
                                                     0, 0, LR_CREATEDIBSECTION));
    EXPECT_NE(bitmap, nullptr) << id;
    DeleteObject(bitmap);
  }
}

}  // namespace
}  // namespace vellox::test
