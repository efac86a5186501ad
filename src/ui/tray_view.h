#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include "ui/control.h"

namespace vellox {

enum class TrayMenuItem { None, Show, About, Exit };

// The hidden tray form: owns the notification-area icon and its pop-up menu.
class TrayView {
 public:
  virtual ~TrayView() = default;
  virtual bool addIcon(const std::string& tip) = 0;
  virtual void removeIcon() = 0;
  // Pops up "Show Vellox", "About", "Exit" at the mouse and returns the choice.
  virtual TrayMenuItem popupMenu() = 0;
  // Fires onRetryTimer every `interval` until stopped.
  virtual void startRetryTimer(std::chrono::milliseconds interval) = 0;
  virtual void stopRetryTimer() = 0;
  // While Windows ends the session: says why the program asks it to wait, and stops saying so.
  virtual void blockSessionEnd(const std::string& reason) = 0;
  virtual void allowSessionEnd() = 0;
  // The icon's callback, with the mouse message number the shell reported.
  std::function<void(std::uint32_t)> onIconEvent;
  Event onRetryTimer;
  // The shell's taskbar has (re)started while no icon of ours is in it.
  Event onTaskbarCreated;
  // Windows asks whether the session may end now; false asks it to wait.
  std::function<bool()> onQueryEndSession;
  // The session ends (true), or goes on after all (false).
  std::function<void(bool)> onEndSession;
  // Another program (the installer) asks this one to end.
  Event onExitRequest;
};

}  // namespace vellox
