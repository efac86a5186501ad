#pragma once
#include <cstdint>
#include <memory>
#include "ui/tray_view.h"

namespace vellox {

class Application;

inline constexpr std::uint32_t kWmLButtonDown = 0x201;
inline constexpr std::uint32_t kWmLButtonDblClk = 0x203;
inline constexpr std::uint32_t kWmRButtonUp = 0x205;

// The hidden form that owns the tray icon and its menu.
class frmtray {
 public:
  frmtray(Application& app, std::unique_ptr<TrayView> view);
  // Adds the icon; false when the shell refused it.
  bool Form_Load();
  void trayMouseEvent(std::uint32_t message);
  void mnushow_Click();
  void mnuabout_Click();
  void mnuexit_Click();
  void removeIcon();

 private:
  void popUpMenu();

  Application& app_;
  std::unique_ptr<TrayView> view_;
};

}  // namespace vellox
