#include "driver.h"
#include <commctrl.h>
#include "ui/win32/resources/resource.h"

namespace vellox::e2e {

Process VelloxDriver::start() { return Process::start(exeFolder() + kExeName); }

void VelloxDriver::endStrays() {
  for (DWORD id : processesNamed(kExeName)) Process::open(id).terminate();
}

std::optional<TrayIcon> VelloxDriver::trayIcon(Millis timeout) const { return findTrayIcon(kTitle, timeout); }

HWND VelloxDriver::openTrayMenu(MouseButton button) const {
  const auto icon = trayIcon();
  if (!icon || !clickTrayIcon(*icon, button)) return nullptr;
  return findPopupMenu(processId_, kPatience);
}

bool VelloxDriver::chooseFromMenu(HWND menu, TrayChoice choice) const {
  if (!chooseMenuItemByClick(menu, static_cast<size_t>(choice), kTrayMenuItems)) return false;
  return waitUntilGone({L"", L"#32768", processId_, true}, kPatience);
}

bool VelloxDriver::chooseFromTray(TrayChoice choice) const {
  const HWND menu = openTrayMenu();
  return menu != nullptr && chooseFromMenu(menu, choice);
}

HWND VelloxDriver::mainWindow(Millis timeout) const {
  return findTopLevel({kTitle, VELLOX_MAIN_CLASS, processId_, true}, timeout);
}

HWND VelloxDriver::tabControl(HWND main) const { return findControl(main, IDC_SSTAB1); }

bool VelloxDriver::clickTab(HWND main, size_t index) const {
  const HWND tab = tabControl(main);
  if (tab == nullptr) return false;
  // A click Wine drops (rarely, on a busy machine) is clicked again, as a person
  // would; clicking a tab that is not yet selected has no other effect.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const auto rect = tabItemRect(tab, index);
    if (!rect || !clickAt(centre(*rect))) return false;
    if (waitUntil([&] { return selectedTab(tab) == index; }, Millis(3000))) return true;
  }
  return false;
}

std::optional<MessageBoxView> VelloxDriver::messageBox(Millis timeout) const {
  return findMessageBox(processId_, kTitle, timeout);
}

}  // namespace vellox::e2e
