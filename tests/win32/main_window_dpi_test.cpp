#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include "gui_test_util.h"
#include "ui/win32/main_window.h"
#include "ui/win32/resources/resource.h"
#include "ui/win32/tray_window.h"

namespace vellox::test {
namespace {

using win32::Win32MainView;

// What a move to a monitor with another scale looks like to the window.
void changeDpi(HWND window, UINT from, UINT to) {
  RECT now{};
  GetWindowRect(window, &now);
  RECT suggested{now.left, now.top, now.left + MulDiv(now.right - now.left, to, from),
                 now.top + MulDiv(now.bottom - now.top, to, from)};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

struct Measures {
  LONG fontHeight;
  RECT ok, wipe, list;
  int column;
};

RECT rectIn(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

Measures measure(Win32MainView& view) {
  LOGFONTW font{};
  HWND wipe = GetDlgItem(view.page(kTabSecureWipe), IDC_CMDWIPE);
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(wipe, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return {font.lfHeight, rectIn(view.cmdok.hwnd()), rectIn(wipe), rectIn(view.URLs.hwnd()),
          static_cast<int>(SendMessageW(view.URLs.hwnd(), LVM_GETCOLUMNWIDTH, 0, 0))};
}

// Every tab's caption shows whole, on one row.
bool tabsFitOneRow(Win32MainView& view) {
  const HWND tab = view.SSTab1.hwnd();
  RECT client{}, last{};
  GetClientRect(tab, &client);
  return SendMessageW(tab, TCM_GETITEMRECT, kTabCount - 1, reinterpret_cast<LPARAM>(&last)) &&
         SendMessageW(tab, TCM_GETROWCOUNT, 0, 0) == 1 && last.right <= client.right;
}

TEST(MainWindowDpi, AnotherScaleRescalesFontsControlsAndColumnsAndBackAgainExactly) {
  initCommonControls();
  Win32MainView view(GetModuleHandleW(nullptr));
  view.show();
  const UINT designed = view.dpi();
  const Measures before = measure(view);
  const UINT larger = designed * 3 / 2;
  changeDpi(view.hwnd(), designed, larger);
  EXPECT_EQ(view.dpi(), larger);
  const Measures after = measure(view);
  const auto scaled = [&](LONG v) { return MulDiv(v, larger, designed); };
  EXPECT_EQ(after.fontHeight, scaled(before.fontHeight));
  for (auto [was, now] : {std::pair{before.ok, after.ok}, {before.wipe, after.wipe}, {before.list, after.list}}) {
    EXPECT_NEAR(now.left, scaled(was.left), 1);
    EXPECT_NEAR(now.right - now.left, scaled(was.right - was.left), 1);
    EXPECT_NEAR(now.bottom - now.top, scaled(was.bottom - was.top), 1);
  }
  EXPECT_NEAR(after.column, scaled(before.column), 1);
  // The shown page still fills the tab control's display area.
  RECT page = rectIn(view.page(kTabSecureWipe)), tab = rectIn(view.SSTab1.hwnd());
  EXPECT_TRUE(page.left > tab.left && page.right < tab.right && page.bottom < tab.bottom);
  EXPECT_GT(page.right - page.left, scaled(before.wipe.right) - 2);
  EXPECT_TRUE(tabsFitOneRow(view));
  changeDpi(view.hwnd(), larger, designed * 2);
  EXPECT_TRUE(tabsFitOneRow(view)) << "at 200%";

  changeDpi(view.hwnd(), designed * 2, designed);
  const Measures back = measure(view);
  EXPECT_EQ(back.fontHeight, before.fontHeight);
  EXPECT_TRUE(EqualRect(&back.ok, &before.ok) && EqualRect(&back.wipe, &before.wipe));
  EXPECT_EQ(back.column, before.column);
  EXPECT_TRUE(tabsFitOneRow(view)) << "at 100%";
}

int iconWidth(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

TEST(TrayWindowDpi, TheIconIsReloadedAtTheSizeOfTheNewScale) {
  win32::Win32TrayView tray(GetModuleHandleW(nullptr));
  ASSERT_TRUE(tray.addIcon(" Tarn Vellox"));
  const int small = GetSystemMetrics(SM_CXSMICON);
  EXPECT_EQ(iconWidth(tray.icon()), small);
  RECT unused{};
  for (UINT dpi : {192u, 96u}) {
    SendMessageW(tray.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&unused));
    EXPECT_EQ(iconWidth(tray.icon()), MulDiv(small, dpi, 96)) << dpi;
  }
  tray.removeIcon();
}

}  // namespace
}  // namespace vellox::test
