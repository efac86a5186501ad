#pragma once
// Drives vellox.exe from outside, the way a person uses it: through the tray
// icon and its menu, the main window's tabs and controls, and message boxes.
#include <windows.h>
#include <optional>
#include <string>
#include "controls.h"
#include "icon_compare.h"
#include "input.h"
#include "process.h"
#include "tray.h"
#include "wait.h"
#include "window_find.h"

namespace vellox::e2e {

inline constexpr const wchar_t* kTitle = L" Tarn Vellox";
inline constexpr const wchar_t* kExeName = L"vellox.exe";

// Long enough for a cold Wine on a busy machine; a condition usually holds in milliseconds.
inline constexpr Millis kPatience{15000};

enum class TrayChoice : size_t { Show = 0, About = 1, Exit = 2 };
inline constexpr size_t kTrayMenuItems = 3;

class VelloxDriver {
 public:
  // Starts vellox.exe from the driver's own folder.
  static Process start();
  // Ends every vellox.exe of this prefix: a clean slate for the next test.
  static void endStrays();

  explicit VelloxDriver(DWORD processId) : processId_(processId) {}
  DWORD processId() const { return processId_; }

  std::optional<TrayIcon> trayIcon(Millis timeout = kPatience) const;
  // Clicks the icon and waits for its pop-up menu.
  HWND openTrayMenu(MouseButton button = MouseButton::Left) const;
  // Clicks the menu's item and waits for the menu to close.
  bool chooseFromMenu(HWND menu, TrayChoice choice) const;
  bool chooseFromTray(TrayChoice choice) const;

  // The visible main window, or nullptr when none came in time.
  HWND mainWindow(Millis timeout = kPatience) const;
  HWND tabControl(HWND main) const;
  // Selects a tab with a real click on its item.
  bool clickTab(HWND main, size_t index) const;
  // The question of "Exit", or another box captioned with the title.
  std::optional<MessageBoxView> messageBox(Millis timeout = kPatience) const;

 private:
  DWORD processId_;
};

}  // namespace vellox::e2e
