#pragma once
#include <windows.h>
#include <commctrl.h>
#include <memory>
#include <string>
#include "app/main_window.h"
#include "fakes/test_env.h"
#include "gui_test_util.h"
#include "platform/win32/win32_services.h"
#include "ui/win32/main_window.h"
#include "ui/win32/view_factory.h"
#include "ui/win32/win32_ui.h"

namespace vellox::test {

struct CommonControls {
  CommonControls() { initCommonControls(); }
};

// The real main window and Ui over the given services of the test's choosing.
struct RealMainWindow {
  explicit RealMainWindow(Services base, UrlCache& cache, Registry& registry, Files& files)
      : services{*ui, *views, base.settings, registry, base.shell, files, cache, base.urlHistory, base.download,
                 base.instance, base.systemFolders} {}
  CommonControls init;
  std::unique_ptr<Ui> ui = win32::makeUi();
  std::unique_ptr<ViewFactory> views = win32::makeViewFactory(GetModuleHandleW(nullptr));
  Services services;
  ProgramState state;
  std::unique_ptr<frmmain> form = std::make_unique<frmmain>(services, state, [] {});
  win32::Win32MainView& view = dynamic_cast<win32::Win32MainView&>(form->view());

  // Picks a tab as a click on it does: the tab control tells its parent of the change.
  void selectTab(int index) {
    HWND tab = view.SSTab1.hwnd();
    SendMessageW(tab, TCM_SETCURSEL, index, 0);
    NMHDR change{tab, static_cast<UINT_PTR>(GetDlgCtrlID(tab)), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(GetParent(tab), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
  }
  static void click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
};

// The texts of a dialog's static controls, joined by newlines.
inline std::wstring staticTexts(HWND box) {
  std::wstring all;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    if (lstrcmpiW(cls, L"Static") == 0) all += win32::widen(textOf(child)) + L"\n";
  }
  return all;
}

}  // namespace vellox::test
