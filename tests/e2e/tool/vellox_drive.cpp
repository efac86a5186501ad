// Drives a running vellox.exe for scripts/run and scripts/screenshots:
//   vellox_drive show | about | tab N | ok | menu | escape | exit | wipe FOLDER
// Window commands print the screen rectangle of what they opened ("x y width height").
#include <windows.h>
#include <cstdio>
#include <cwchar>
#include <string>
#include "e2e/controls.h"
#include "e2e/driver.h"
#include "e2e/window_find.h"
#include "ui/win32/resources/resource.h"

namespace {

using namespace vellox::e2e;

int printRect(HWND window) {
  RECT rect{};
  if (window == nullptr || !GetWindowRect(window, &rect)) return 1;
  std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  return 0;
}

int fail(const char* what) {
  std::fprintf(stderr, "vellox_drive: %s\n", what);
  return 1;
}

int openMain(const VelloxDriver& vellox, TrayChoice choice) {
  if (!vellox.chooseFromTray(choice)) return fail("the tray menu did not open");
  const HWND main = vellox.mainWindow();
  if (main == nullptr) return fail("the main window did not appear");
  // Let the page finish painting before a screenshot is taken.
  RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return printRect(main);
}

int selectTab(const VelloxDriver& vellox, const wchar_t* index) {
  const HWND main = vellox.mainWindow();
  if (main == nullptr) return fail("no main window");
  if (!vellox.clickTab(main, static_cast<size_t>(std::wcstoul(index, nullptr, 10)))) {
    return fail("the tab was not selected");
  }
  RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return printRect(main);
}

// Answers a message box of Vellox with OK, if one comes within a moment.
int answerOk(const VelloxDriver& vellox) {
  const auto box = vellox.messageBox(Millis(2000));
  if (box && !pressButton(box->window, IDOK)) return fail("the message box did not take OK");
  return 0;
}

// Wipes FOLDER from the open window's Secure Wipe tab and returns once its first file is in progress.
int startWipe(const VelloxDriver& vellox, const wchar_t* folder) {
  const HWND main = vellox.mainWindow();
  const HWND page = main ? findControl(main, IDC_PAGE_WIPE) : nullptr;
  if (page == nullptr) return fail("no Secure Wipe tab");
  SendMessageW(findControl(page, IDC_TXTFOLDERTOWIPE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder));
  if (!pressButton(page, IDC_CMDWIPE)) return fail("the Wipe button did not take the press");
  const auto warning = vellox.messageBox();
  if (!warning || !pressButton(warning->window, IDOK)) return fail("no warning");
  const bool started = waitUntil(
      [&] { return controlText(page, IDC_LBLWIPEFILES).rfind(L"file ", 0) == 0; }, kPatience);
  RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return started ? printRect(main) : fail("the wipe showed no progress");
}

int exitVellox(const VelloxDriver& vellox) {
  const Process process = Process::open(vellox.processId());
  if (!vellox.chooseFromTray(TrayChoice::Exit)) return fail("the tray menu did not open");
  const auto question = vellox.messageBox();
  if (!question || !pressButton(question->window, IDOK)) return fail("no exit question");
  return process.waitForExit(kPatience) ? 0 : fail("vellox did not end");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return fail("usage: vellox_drive show|about|tab N|ok|menu|escape|exit");
  std::vector<DWORD> ids;
  waitUntil([&] { return !(ids = processesNamed(kExeName)).empty(); }, kPatience);
  if (ids.empty()) return fail("vellox.exe is not running");
  const VelloxDriver vellox(ids.front());
  // An earlier run of this tool may have clicked the icon a moment ago.
  if (const auto icon = vellox.trayIcon()) rememberOutsideClick(centre(icon->screenRect));
  const std::wstring command = argv[1];
  if (command == L"show") return openMain(vellox, TrayChoice::Show);
  if (command == L"about") return openMain(vellox, TrayChoice::About);
  if (command == L"tab" && argc > 2) return selectTab(vellox, argv[2]);
  if (command == L"menu") return printRect(vellox.openTrayMenu());
  if (command == L"ok") return answerOk(vellox);
  if (command == L"escape") return pressKeys({VK_ESCAPE}) ? 0 : 1;
  if (command == L"exit") return exitVellox(vellox);
  if (command == L"wipe" && argc > 2) return startWipe(vellox, argv[2]);
  return fail("unknown command");
}
