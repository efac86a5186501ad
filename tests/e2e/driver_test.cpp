// The driver's generic parts against windows, boxes, menus and tray icons this
// test makes itself, and against Wine's own programs as foreign processes.
#include "e2e/driver.h"
#include <commctrl.h>
#include <shellapi.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <future>

namespace vellox::e2e {
namespace {

constexpr Millis kShort{200};
constexpr UINT kTrayCallback = WM_APP + 7;

void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// A plain top-level window that records the notifications its children send it.
struct Host {
  static inline int selChanges = 0;
  static inline std::vector<UINT> trayEvents;

  static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) ++selChanges;
    if (message == kTrayCallback) trayEvents.push_back(LOWORD(lParam));
    return DefWindowProcW(window, message, wParam, lParam);
  }

  Host() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"DriverTestHost";
    RegisterClassW(&windowClass);
    window = CreateWindowExW(0, L"DriverTestHost", L"Driver host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                             500, 400, nullptr, nullptr, windowClass.hInstance, nullptr);
    selChanges = 0;
    trayEvents.clear();
  }
  ~Host() { DestroyWindow(window); }

  HWND child(const wchar_t* kind, DWORD style, int id, RECT at) {
    return CreateWindowExW(0, kind, L"", WS_CHILD | WS_VISIBLE | style, at.left, at.top, at.right, at.bottom,
                           window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }

  HWND window = nullptr;
};

TEST(DriverProcess, ReportsExitCodeAndTimesOutOnARunningProgram) {
  const Process quick = Process::start(L"C:\\windows\\system32\\cmd.exe", L"/c exit 7");
  ASSERT_TRUE(quick);
  EXPECT_EQ(quick.waitForExit(kPatience), 7u);
  EXPECT_FALSE(quick.running());

  const Process notepad = Process::start(L"C:\\windows\\system32\\notepad.exe");
  ASSERT_TRUE(notepad);
  EXPECT_FALSE(notepad.waitForExit(kShort).has_value());
  EXPECT_TRUE(notepad.running());
  const auto named = processesNamed(L"NOTEPAD.EXE");
  EXPECT_NE(std::find(named.begin(), named.end(), notepad.id()), named.end());
  EXPECT_NE(findTopLevel({L"", L"Notepad", notepad.id(), true}, kPatience), nullptr);
  EXPECT_TRUE(notepad.terminate());
  EXPECT_FALSE(notepad.running());
  EXPECT_TRUE(waitUntilGone({L"", L"Notepad", notepad.id(), false}, kPatience));
}

TEST(DriverProcess, MissingProgramGivesAnEmptyProcess) {
  const Process missing = Process::start(exeFolder() + L"no-such-program.exe");
  EXPECT_FALSE(missing);
  EXPECT_FALSE(missing.running());
  EXPECT_FALSE(missing.waitForExit(kShort).has_value());
}

TEST(DriverWindows, FindsByCaptionClassAndProcessOnly) {
  Host host;
  const DWORD self = GetCurrentProcessId();
  EXPECT_EQ(findTopLevel({L"Driver host", L"", 0, true}, kShort), host.window);
  EXPECT_EQ(findTopLevel({L"", L"DriverTestHost", self, true}, kShort), host.window);
  EXPECT_EQ(findTopLevel({L"Driver host", L"Other", 0, true}, kShort), nullptr);
  EXPECT_EQ(findTopLevel({L"Driver host", L"", self + 4, true}, kShort), nullptr);
  ShowWindow(host.window, SW_HIDE);
  EXPECT_EQ(findTopLevel({L"Driver host", L"", self, true}, kShort), nullptr);
  EXPECT_EQ(findTopLevel({L"Driver host", L"", self, false}, kShort), host.window);
}

struct BoxCase {
  UINT style;
  int press;
  std::vector<std::wstring> buttons;
  const wchar_t* icon;
};

TEST(DriverMessageBox, ReadsTextButtonsAndIconAndAnswers) {
  const BoxCase cases[] = {
      {MB_OKCANCEL, IDCANCEL, {L"OK", L"Cancel"}, nullptr},
      {MB_OKCANCEL, IDOK, {L"OK", L"Cancel"}, nullptr},
      {MB_OK | MB_ICONINFORMATION, IDOK, {L"OK"}, IDI_INFORMATION},
      {MB_OK | MB_ICONEXCLAMATION, IDOK, {L"OK"}, IDI_WARNING},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.press);
    auto answer = std::async(std::launch::async, [&] {
      return MessageBoxW(nullptr, L"Shall we go on?", L" Driver box", c.style);
    });
    const auto box = findMessageBox(GetCurrentProcessId(), L" Driver box", kPatience);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, L"Shall we go on?");
    EXPECT_EQ(box->buttons, c.buttons);
    // The box may still be painting when it is found.
    EXPECT_TRUE(waitUntil([&] { return nearestSystemIcon(box->iconControl) == c.icon; }, kPatience));
    ASSERT_TRUE(pressButton(box->window, c.press));
    ASSERT_EQ(answer.wait_for(kPatience), std::future_status::ready);
    EXPECT_EQ(answer.get(), c.press);
  }
}

TEST(DriverControls, ReadsListViewListBoxCheckBoxAndText) {
  Host host;
  const HWND list = host.child(WC_LISTVIEWW, LVS_REPORT, 11, {0, 0, 300, 150});
  const wchar_t* columns[] = {L"Name", L"Path"};
  for (int c = 0; c < 2; ++c) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 100;
    column.pszText = const_cast<wchar_t*>(columns[c]);
    ListView_InsertColumn(list, c, &column);
  }
  const std::wstring longName(600, L'\u00e9');
  const std::vector<std::vector<std::wstring>> rows = {{L"one", L"C:\\a"}, {longName, L""}, {L"\u03b1\u4e2d", L"z"}};
  for (size_t r = 0; r < rows.size(); ++r) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(r);
    item.pszText = const_cast<wchar_t*>(rows[r][0].c_str());
    ListView_InsertItem(list, &item);
    ListView_SetItemText(list, static_cast<int>(r), 1, const_cast<wchar_t*>(rows[r][1].c_str()));
  }
  EXPECT_EQ(listViewColumns(list), (std::vector<std::wstring>{L"Name", L"Path"}));
  EXPECT_EQ(listViewRows(list), rows);

  const HWND box = host.child(L"LISTBOX", 0, 12, {0, 160, 200, 80});
  for (const wchar_t* text : {L"first", L"", L"third"}) SendMessageW(box, LB_ADDSTRING, 0, (LPARAM)text);
  EXPECT_EQ(listBoxItems(box), (std::vector<std::wstring>{L"first", L"", L"third"}));

  const HWND check = host.child(L"BUTTON", BS_AUTO3STATE, 13, {220, 160, 150, 20});
  SetWindowTextW(check, L"Three states");
  for (int state : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}) {
    SendMessageW(check, BM_SETCHECK, state, 0);
    EXPECT_EQ(checkState(check), state);
  }
  EXPECT_EQ(controlText(host.window, 13), L"Three states");
  EXPECT_EQ(controlText(host.window, 99), L"");
}

TEST(DriverControls, SelectsTabsByNotificationAndByClick) {
  Host host;
  const HWND tab = host.child(WC_TABCONTROLW, 0, 21, {10, 10, 400, 200});
  const wchar_t* captions[] = {L"General", L"Cookies", L"&About"};
  for (int i = 0; i < 3; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(captions[i]);
    TabCtrl_InsertItem(tab, i, &item);
  }
  EXPECT_EQ(tabCaptions(tab), (std::vector<std::wstring>{L"General", L"Cookies", L"&About"}));
  EXPECT_EQ(selectedTab(tab), 0u);

  EXPECT_TRUE(selectTabByMessage(tab, 1));
  EXPECT_EQ(selectedTab(tab), 1u);
  EXPECT_EQ(Host::selChanges, 1);

  SetForegroundWindow(host.window);
  const auto rect = tabItemRect(tab, 2);
  ASSERT_TRUE(rect.has_value());
  ASSERT_TRUE(clickAt(centre(*rect)));
  EXPECT_TRUE(waitUntil([&] { pump(); return selectedTab(tab) == 2u; }, kPatience));
  EXPECT_EQ(Host::selChanges, 2);
}

// A tray icon of the test's own: the driver finds it by its tip, clicks it, and
// the click reaches the owner's callback as the shell reports it.
TEST(DriverTray, FindsAnIconByTipAndClicksIt) {
  Host host;
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof(icon);
  icon.hWnd = host.window;
  icon.uID = 3;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = kTrayCallback;
  icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wcscpy(icon.szTip, L" Driver tip");
  ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &icon));

  const auto found = findTrayIcon(L" Driver tip", kPatience);
  ASSERT_TRUE(found.has_value());
  EXPECT_GT(found->screenRect.right, found->screenRect.left);
  EXPECT_FALSE(findTrayIcon(L"Driver tip", Millis(0)).has_value());

  // Two clicks of one button in a row stay two clicks; a double-click is asked for.
  using Gesture = bool (*)(const TrayIcon&);
  const std::pair<Gesture, std::vector<UINT>> gestures[] = {
      {[](const TrayIcon& i) { return clickTrayIcon(i, MouseButton::Left); }, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
      {[](const TrayIcon& i) { return clickTrayIcon(i, MouseButton::Right); }, {WM_RBUTTONDOWN, WM_RBUTTONUP}},
      {[](const TrayIcon& i) { return clickTrayIcon(i, MouseButton::Right); }, {WM_RBUTTONDOWN, WM_RBUTTONUP}},
      {[](const TrayIcon& i) { return clickTrayIcon(i, MouseButton::Left); }, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
      {[](const TrayIcon& i) { return doubleClickAt(centre(i.screenRect)); },
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
  };
  for (const auto& [gesture, events] : gestures) {
    Host::trayEvents.clear();
    ASSERT_TRUE(gesture(*found));
    EXPECT_TRUE(waitUntil([&] {
      pump();
      std::erase(Host::trayEvents, WM_MOUSEMOVE);
      return Host::trayEvents.size() >= events.size();
    }, kPatience));
    EXPECT_EQ(Host::trayEvents, events);
  }
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
  EXPECT_TRUE(waitUntilTrayIconGone(L" Driver tip", kPatience));
}

// The menu runs its own modal loop, so it lives on a thread of its own.
UINT popUpOnThread(POINT at) {
  Host host;
  const HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 101, L"First");
  AppendMenuW(menu, MF_STRING, 102, L"Second");
  AppendMenuW(menu, MF_STRING, 103, L"Third");
  SetForegroundWindow(host.window);
  const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD, at.x, at.y, 0, host.window, nullptr);
  DestroyMenu(menu);
  return chosen;
}

TEST(DriverMenu, ChoosesPopupItemsByClickAndByKeys) {
  for (size_t index : {0u, 1u, 2u}) {
    for (bool byKeys : {false, true}) {
      SCOPED_TRACE(testing::Message() << index << (byKeys ? " keys" : " click"));
      auto chosen = std::async(std::launch::async, [] { return popUpOnThread({300, 300}); });
      const HWND menu = findPopupMenu(GetCurrentProcessId(), kPatience);
      ASSERT_NE(menu, nullptr);
      ASSERT_TRUE(byKeys ? chooseMenuItemByKeys(index) : chooseMenuItemByClick(menu, index, 3));
      ASSERT_EQ(chosen.wait_for(kPatience), std::future_status::ready);
      EXPECT_EQ(chosen.get(), 101 + index);
    }
  }
}

}  // namespace
}  // namespace vellox::e2e
