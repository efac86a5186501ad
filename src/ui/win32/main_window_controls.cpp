#include "ui/win32/main_window.h"
#include <commctrl.h>
#include "ui/win32/resources/resource.h"

namespace vellox::win32 {

namespace {

// The font of `control`, scaled and weighted.
GdiObject<HFONT> derivedFont(HWND control, int percent, LONG weight, bool underline) {
  HFONT base = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  LOGFONTW font{};
  if (!base || !GetObjectW(base, sizeof(font), &font)) return {};
  font.lfHeight = MulDiv(font.lfHeight, percent, 100);
  font.lfWeight = weight;
  font.lfUnderline = underline ? TRUE : FALSE;
  return GdiObject<HFONT>(CreateFontIndirectW(&font));
}

// Gives the control a new font, then lets the old one go.
void replaceFont(HWND control, GdiObject<HFONT>& owned, GdiObject<HFONT> font) {
  if (!font) return;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  owned = std::move(font);
}

// What the resources cannot say: a list's columns.
void design(NativeControl&, std::initializer_list<const char*>) {}
void design(Win32ListView& list, std::initializer_list<const char*> headers) {
  list.setColumns({headers.begin(), headers.end()});
}

}  // namespace

void Win32MainView::attachControls() {
  const auto parent = [this](int tab) { return tab == kOnWindow ? hwnd() : page(tab); };
#define VELLOX_ATTACH(type, name, tab, id, ...) \
  name.init(parent(tab), id);                   \
  design(name, {__VA_ARGS__});
  VELLOX_MAIN_CONTROLS(VELLOX_ATTACH)
#undef VELLOX_ATTACH

  // The designed state of a fresh window.
  std::vector<HWND> pages;
  for (const auto& page : pages_) pages.push_back(page->hwnd());
  SSTab1.setTabs({std::begin(kTabCaptions), std::end(kTabCaptions)}, std::move(pages));
  SSTab1.showTab(kFirstTab);
  optQuick.setValue(true);
  lstBrowsers.showCheckBoxes();
  lstWindows.showCheckBoxes();
}

void Win32MainView::detachControls() {
#define VELLOX_DETACH(type, name, ...) name.detach();
  VELLOX_MAIN_CONTROLS(VELLOX_DETACH)
#undef VELLOX_DETACH
}

// Pages cover the tab control's display area; the status bar docks itself.
void Win32MainView::layout() {
  SendMessageW(sbar.hwnd(), WM_SIZE, 0, 0);
  RECT area{};
  GetWindowRect(SSTab1.hwnd(), &area);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&area), 2);
  SendMessageW(SSTab1.hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  for (const auto& page : pages_)
    SetWindowPos(page->hwnd(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MainView::applyArtworkAndFonts() {
  picture1_.show(GetDlgItem(hwnd(), IDC_PICTURE1), module_, IDB_BANNER);
  picture2_.show(GetDlgItem(page(kTabAbout), IDC_PICTURE2), module_, IDB_LOGO);
  // From a plain label of the page: it carries the font of the current DPI.
  replaceFont(lblappname.hwnd(), titleFont_, derivedFont(lblproginfo.hwnd(), 150, FW_BOLD, false));
  replaceFont(lblurl.hwnd(), linkFont_, derivedFont(lblproginfo.hwnd(), 100, FW_NORMAL, true));
  SendMessageW(lblcleanlog.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), TRUE);
}

}  // namespace vellox::win32
