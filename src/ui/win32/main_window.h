#pragma once
#include <array>
#include <utility>
#include <vector>
#include <windows.h>
#include "platform/win32/gdi.h"
#include "ui/main_view.h"
#include "ui/win32/picture.h"
#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_list_box.h"
#include "ui/win32/win32_list_view.h"

namespace vellox::win32 {

inline constexpr int kPageCount = 6;

// frmmain's window: a modeless dialog with a tab control whose pages are child
// dialogs. Created hidden; destroyed with this object.
class Win32MainView : public MainView {
 public:
  explicit Win32MainView(HINSTANCE module);
  ~Win32MainView() override;
  Win32MainView(const Win32MainView&) = delete;
  Win32MainView& operator=(const Win32MainView&) = delete;

  MainControls& controls() override { return controls_; }
  void setCaption(const std::string& caption) override { setWindowText(hwnd_, caption); }
  std::string caption() const override { return windowText(hwnd_); }
  void show() override;
  void hide() override { ShowWindow(hwnd_, SW_HIDE); }
  bool visible() const override { return IsWindowVisible(hwnd_) != 0; }
  void repaint() override;
  std::uintptr_t nativeHandle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }

  HWND hwnd() const { return hwnd_; }
  HWND page(int index) const { return pages_.at(static_cast<size_t>(index)); }
  // The DPI the window is laid out for now.
  UINT dpi() const { return dpi_; }

 private:
  static INT_PTR CALLBACK mainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK pageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool handleMain(UINT message, WPARAM wParam, LPARAM lParam);
  bool handleShared(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
  bool handleKeyboard(const MSG& msg);
  std::vector<HWND> tabStops() const;
  bool moveFocusByTab(bool back);

  void createPages();
  void attachControls();
  void layout();
  void applyArtworkAndFonts();
  void rememberDesignedLayout();
  void changeDpi(UINT dpi, const RECT& suggested);
  std::vector<NativeControl*> allControls();

  HINSTANCE module_;
  HWND hwnd_ = nullptr;
  std::array<HWND, kPageCount> pages_{};
  Picture picture1_, picture2_;
  GdiObject<HFONT> titleFont_, linkFont_, dialogFont_;
  UINT designedDpi_ = 96, dpi_ = 96;
  LOGFONTW designedFont_{};
  std::vector<std::pair<HWND, RECT>> designed_;

 public:
  Win32TabControl SSTab1;
  Win32Button cmdok, cmdHelp;
  Win32StatusBar sbar;
  Win32MousePointer pointer{hwnd_};
  Win32CheckBox chkautostart, chkdelOnStart, chkDelOnShutDown, Chkautoclearcookies, ChkAutoClearCache,
      ChkAutoClearHistory, chkdeltempfiles, chkEmptyRecycleBin;
  Win32TextBox txtCookieDir;
  Win32ListView lstcookies;
  Win32Button cmdselectallcookies, cmdselectnocookies, cmdinvertcookiesselection, cmddelcookies;
  Win32ListBox List1;
  Win32Button cmdDelSelFromCache, cmdDelAllFromCache, cmdinvertcachesel;
  Win32CheckBox chkDelCachedPasswords;
  Win32ListView URLs;
  Win32Button cmdClearHistory;
  Win32TextBox txtFolderToWipe;
  Win32Button cmdBrowseForFolder;
  Win32TextBox txtFileToWipe;
  Win32Button cmdBrowseForFile;
  Win32CheckBox chkSecureForAll;
  Win32OptionButton optQuick, optDOD;
  Win32Button cmdWipe;
  Win32Label lblappname, lblproginfo, lbladdress, lblwarning, lblurl;
  Win32Button cmdcheckForUpdates;

 private:
  MainControls controls_;
};

}  // namespace vellox::win32
