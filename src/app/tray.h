#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include "ui/tray_view.h"

namespace vellox {

class Application;

inline constexpr std::uint32_t kWmLButtonDown = 0x201;
inline constexpr std::uint32_t kWmLButtonDblClk = 0x203;
inline constexpr std::uint32_t kWmRButtonUp = 0x205;

// At logon the shell may not be ready for the icon: it is tried again this
// often, and whenever the taskbar announces itself, for this long.
inline constexpr std::chrono::milliseconds kIconRetryInterval{2000};
inline constexpr std::chrono::minutes kIconRetryLimit{2};

// Windows' patience with a program that ends the session late: the clean stops by then.
inline constexpr std::chrono::milliseconds kSessionEndCleanTime{4000};
inline constexpr const char* kSessionEndCleanReason = "Cleaning browser traces";

using SteadyClock = std::function<std::chrono::steady_clock::time_point()>;

// The hidden form that owns the tray icon and its menu.
class frmtray {
 public:
  frmtray(Application& app, std::unique_ptr<TrayView> view, SteadyClock clock);
  // Adds the icon, or starts trying again when the shell refused it.
  void Form_Load();
  void trayMouseEvent(std::uint32_t message);
  void mnushow_Click();
  void mnuabout_Click();
  void mnuexit_Click();
  void removeIcon();
  bool queryEndSession();
  void endSession(bool ending);

 private:
  void popUpMenu();
  void retryIcon();

  Application& app_;
  std::unique_ptr<TrayView> view_;
  SteadyClock clock_;
  // Set while the icon is still to be added: when to give up.
  std::optional<std::chrono::steady_clock::time_point> retryUntil_;
  // The clean of this session's end ran when Windows asked.
  bool sessionCleaned_ = false;
};

}  // namespace vellox
