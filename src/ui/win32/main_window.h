#pragma once
#include <memory>
#include <utility>
#include <vector>
#include <windows.h>
#include <shellapi.h>
#include "platform/win32/gdi.h"
#include "ui/main_view.h"
#include "ui/win32/picture.h"
#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_list_box.h"
#include "ui/win32/win32_list_view.h"
#include "ui/win32/window.h"

namespace vellox::win32 {

// frmmain's window: a modeless dialog with a tab control whose pages are child
// dialogs. Created hidden; destroyed with this object.
class Win32MainView : public MainView, public Dialog {
 public:
  explicit Win32MainView(HINSTANCE module);
  ~Win32MainView() override;

  MainControls& controls() override { return controls_; }
  void setCaption(const std::string& caption) override { setWindowText(hwnd(), caption); }
  std::string caption() const override { return windowText(hwnd()); }
  void show() override;
  void hide() override { ShowWindow(hwnd(), SW_HIDE); }
  bool visible() const override { return IsWindowVisible(hwnd()) != 0; }
  void repaint() override;
  std::uintptr_t nativeHandle() const override { return reinterpret_cast<std::uintptr_t>(hwnd()); }

  HWND page(int index) const { return pages_.at(static_cast<size_t>(index))->hwnd(); }
  // The DPI the window is laid out for now.
  UINT dpi() const { return dpi_; }

 private:
  // A tab's page: its controls notify it, and it hands that on to the window.
  class Page : public Dialog {
   public:
    Page(Win32MainView& window, int templateId, int id);

   private:
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == WM_DROPFILES) return window_.filesDropped(reinterpret_cast<HDROP>(wParam));
      return window_.handleShared(message, wParam, lParam);
    }
    Win32MainView& window_;
  };

  std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::optional<LRESULT> handleShared(UINT message, WPARAM wParam, LPARAM lParam);
  bool isLink(HWND control) const;
  LRESULT filesDropped(HDROP drop);
  bool handleKeyboard(const MSG& msg);
  std::vector<HWND> tabStops() const;
  bool moveFocusByTab(bool back);

  void createPages();
  void attachControls();
  void detachControls();
  void layout();
  void applyArtworkAndFonts();
  void rememberDesignedLayout();
  void changeDpi(UINT dpi, const RECT& suggested);

  HINSTANCE module_;
  std::vector<std::unique_ptr<Page>> pages_;
  Picture picture1_, picture2_;
  GdiObject<HFONT> titleFont_, linkFont_, dialogFont_;
  UINT designedDpi_ = 96, dpi_ = 96;
  LOGFONTW designedFont_{};
  std::vector<std::pair<HWND, RECT>> designed_;

 public:
#define VELLOX_WIN32_CONTROL(type, name, ...) Win32##type name;
  VELLOX_MAIN_CONTROLS(VELLOX_WIN32_CONTROL)
#undef VELLOX_WIN32_CONTROL
  Win32MousePointer pointer{*this};

 private:
  MainControls controls_{VELLOX_MAIN_CONTROLS(VELLOX_CONTROL_NAME) pointer};
};

}  // namespace vellox::win32
