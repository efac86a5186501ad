#include "ui/win32/main_window.h"
#include <commctrl.h>
#include <algorithm>
#include "ui/win32/dpi.h"

namespace vellox::win32 {

namespace {

RECT rectIn(HWND control, HWND parent) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void scaleColumns(HWND list, UINT from, UINT to) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  for (int c = 0; c < columns; ++c) {
    const auto width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, c, 0));
    SendMessageW(list, LVM_SETCOLUMNWIDTH, c, MAKELPARAM(MulDiv(width, static_cast<int>(to), static_cast<int>(from)), 0));
  }
}

}  // namespace

// The layout the dialog manager made from the templates' dialog units, at the
// DPI the window was created at. Every later DPI is scaled from it, so moving
// between monitors back and forth never drifts.
void Win32MainView::rememberDesignedLayout() {
  dpi_ = designedDpi_ = dpiOf(hwnd());
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
  if (font) GetObjectW(font, sizeof(designedFont_), &designedFont_);
  const auto isPage = [this](HWND child) {
    return std::any_of(pages_.begin(), pages_.end(), [child](const auto& page) { return page->hwnd() == child; });
  };
  const auto remember = [&](HWND parent) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      const bool placedByLayout = child == sbar.hwnd() || GetParent(child) != parent || isPage(child);
      if (!placedByLayout) designed_.push_back({child, rectIn(child, parent)});
    }
  };
  remember(hwnd());
  for (const auto& page : pages_) {
    remember(page->hwnd());
    takeOverDialogDpiScaling(page->hwnd());
  }
  takeOverDialogDpiScaling(hwnd());
}

void Win32MainView::changeDpi(UINT dpi, const RECT& suggested) {
  if (dpi == 0 || dpi == dpi_) return;
  const UINT previous = dpi_;
  dpi_ = dpi;
  SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);

  LOGFONTW scaled = designedFont_;
  scaled.lfHeight = MulDiv(designedFont_.lfHeight, static_cast<int>(dpi), static_cast<int>(designedDpi_));
  GdiObject<HFONT> font(CreateFontIndirectW(&scaled));
  const auto scale = [&](LONG v) { return MulDiv(v, static_cast<int>(dpi), static_cast<int>(designedDpi_)); };
  for (const auto& [control, designed] : designed_) {
    if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    SetWindowPos(control, nullptr, scale(designed.left), scale(designed.top), scale(designed.right - designed.left),
                 scale(designed.bottom - designed.top), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // The dialogs themselves keep the font they were made with: they own it.
  if (font) {
    SendMessageW(sbar.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    dialogFont_ = std::move(font);
  }
  for (HWND list : {lstcookies.hwnd(), URLs.hwnd()}) scaleColumns(list, previous, dpi);
  layout();
  applyArtworkAndFonts();
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace vellox::win32
