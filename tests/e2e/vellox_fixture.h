#pragma once
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include "e2e/driver.h"

namespace vellox::e2e {

// The tab a fresh window shows, and the warning every wipe asks through first.
constexpr size_t kSecureWipeTab = 6;
inline const std::wstring kWarning =
    L"Warning! this will wipe the specified files and delete them. Once this is done they cannot be recovered";

// Each test starts one vellox.exe in a prefix where none runs, waits for its tray
// icon, and leaves no process behind, whatever the test's outcome.
class VelloxTest : public testing::Test {
 protected:
  void SetUp() override {
    VelloxDriver::endStrays();
    ASSERT_TRUE(waitUntilTrayIconGone(kTitle, kPatience)) << "an earlier icon is still in the tray";
    vellox_ = VelloxDriver::start();
    ASSERT_TRUE(vellox_) << "vellox.exe did not start";
    driver_.emplace(vellox_.id());
    ASSERT_TRUE(driver_->trayIcon().has_value()) << "no tray icon appeared";
  }

  void TearDown() override {
    vellox_.terminate();
    VelloxDriver::endStrays();
  }

  const VelloxDriver& vellox() const { return *driver_; }
  const Process& process() const { return vellox_; }

  // Opens the main window through the tray menu and returns it.
  HWND openFromTray(TrayChoice choice) const {
    if (!chooseFromTray(choice)) return nullptr;
    const HWND main = vellox().mainWindow();
    if (main == nullptr) ADD_FAILURE() << "no main window appeared";
    return main;
  }

  bool chooseFromTray(TrayChoice choice) const {
    const HWND menu = vellox().openTrayMenu();
    if (menu == nullptr) {
      ADD_FAILURE() << "no tray menu appeared";
      return false;
    }
    if (!vellox().chooseFromMenu(menu, choice)) {
      ADD_FAILURE() << "the tray menu did not take the choice";
      return false;
    }
    return true;
  }

  // "Exit" from the tray and the question it asks.
  std::optional<MessageBoxView> askToExit() const {
    if (!chooseFromTray(TrayChoice::Exit)) return std::nullopt;
    return vellox().messageBox();
  }

 private:
  Process vellox_;
  std::optional<VelloxDriver> driver_;
};

}  // namespace vellox::e2e
