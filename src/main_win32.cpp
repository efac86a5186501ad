#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <exception>
#include <memory>
#include <string>
#include <vector>
#include "common/app_identity.h"
#include "app/application.h"
#include "app/command_line.h"
#include "platform/win32/com_scope.h"
#include "platform/win32/std_error.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"
#include "ui/win32/dialog_registry.h"
#include "ui/win32/guard.h"
#include "ui/win32/view_factory.h"
#include "ui/win32/win32_ui.h"

namespace {

using namespace vellox;

// Exit codes: a second instance that stepped aside ends normally.
constexpr int kExitOk = 0;
constexpr int kExitBadArguments = 1;
constexpr int kExitNoDisplay = 2;
constexpr int kExitFailed = 4;

void failure(const std::string& text, bool canShowBox) {
  win32::writeStdError(text);
  if (canShowBox)
    MessageBoxW(nullptr, win32::widen(text).c_str(), win32::widen(kAppTitle).c_str(), MB_OK | MB_ICONERROR);
}

// Without a display no window can be made (Wine without an X server, a service session).
bool displayAvailable() {
  HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  if (!probe) return false;
  DestroyWindow(probe);
  return GetSystemMetrics(SM_CXSCREEN) > 0;
}

// The arguments after the program's own name, split as Windows splits them.
std::vector<std::string> arguments() {
  struct LocalFreeDeleter {
    void operator()(LPWSTR* block) const { LocalFree(block); }
  };
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalFreeDeleter> argv(CommandLineToArgvW(GetCommandLineW(), &count));
  if (!argv) return {};
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(win32::narrow(argv.get()[i]));
  return args;
}

int messageLoop() {
  MSG msg;
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
    if (win32::dispatchDialogMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return got < 0 ? kExitFailed : static_cast<int>(msg.wParam);
}

int run(HINSTANCE module) {
  win32::ComScope com;
  if (!com.ok()) {
    failure("COM could not be initialised.", true);
    return kExitFailed;
  }
  INITCOMMONCONTROLSEX controls{sizeof(controls),
                                ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (!displayAvailable()) {
    failure("Tarn Vellox needs a display and found none.", false);
    return kExitNoDisplay;
  }

  // The user interface first and the application last, so the application is
  // gone before the services and windows it uses.
  auto ui = win32::makeUi();
  auto views = win32::makeViewFactory(module);
  auto settings = win32::makeSettingsStore();
  auto registry = win32::makeRegistry();
  auto shell = win32::makeShell();
  auto files = win32::makeFiles();
  auto urlCache = win32::makeUrlCache();
  auto urlHistory = win32::makeUrlHistory();
  auto download = win32::makeDownload();
  auto instance = win32::makeInstance();
  auto systemFolders = win32::makeSystemFolders();
  Services services{*ui,       *views,      *settings, *registry, *shell,         *files,
                    *urlCache, *urlHistory, *download, *instance, *systemFolders};

  Application app(services);
  switch (app.startUp(parseCommandLine(arguments()))) {
    case StartResult::AlreadyRunning:
      return kExitOk;
    case StartResult::BadArguments:
      return kExitBadArguments;
    default:
      return messageLoop();
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE module, HINSTANCE, PWSTR, int) {
  try {
    return run(module);
  } catch (const std::exception& e) {
    failure(std::string("An unexpected error ended the program: ") + e.what(), true);
  } catch (...) {
    failure("An unexpected error ended the program.", true);
  }
  return kExitFailed;
}
