#include "ui/win32/main_window.h"
#include <commctrl.h>
#include "ui/win32/resources/resource.h"

namespace vellox::win32 {

namespace {

const std::vector<std::string> kTabCaptions = {"General", "Cookies", "Cache", "Browser History", "Secure Wipe",
                                               "&About"};

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

}  // namespace

void Win32MainView::attachControls() {
  auto on = [this](int page, int id) { return GetDlgItem(pages_[static_cast<size_t>(page)], id); };
  SSTab1.attach(GetDlgItem(hwnd_, IDC_SSTAB1));
  cmdok.attach(GetDlgItem(hwnd_, IDC_CMDOK));
  cmdHelp.attach(GetDlgItem(hwnd_, IDC_CMDHELP));
  sbar.attach(GetDlgItem(hwnd_, IDC_SBAR));

  chkautostart.attach(on(kTabGeneral, IDC_CHKAUTOSTART));
  chkdelOnStart.attach(on(kTabGeneral, IDC_CHKDELONSTART));
  chkDelOnShutDown.attach(on(kTabGeneral, IDC_CHKDELONSHUTDOWN));
  Chkautoclearcookies.attach(on(kTabGeneral, IDC_CHKAUTOCLEARCOOKIES));
  ChkAutoClearCache.attach(on(kTabGeneral, IDC_CHKAUTOCLEARCACHE));
  ChkAutoClearHistory.attach(on(kTabGeneral, IDC_CHKAUTOCLEARHISTORY));
  chkdeltempfiles.attach(on(kTabGeneral, IDC_CHKDELTEMPFILES));
  chkEmptyRecycleBin.attach(on(kTabGeneral, IDC_CHKEMPTYRECYCLEBIN));

  txtCookieDir.attach(on(kTabCookies, IDC_TXTCOOKIEDIR));
  lstcookies.attach(on(kTabCookies, IDC_LSTCOOKIES));
  lstcookies.setColumns({"Cookie Name", "Cookie Path"});
  cmdselectallcookies.attach(on(kTabCookies, IDC_CMDSELECTALLCOOKIES));
  cmdselectnocookies.attach(on(kTabCookies, IDC_CMDSELECTNOCOOKIES));
  cmdinvertcookiesselection.attach(on(kTabCookies, IDC_CMDINVERTCOOKIESSELECTION));
  cmddelcookies.attach(on(kTabCookies, IDC_CMDDELCOOKIES));

  List1.attach(on(kTabCache, IDC_LIST1));
  cmdDelSelFromCache.attach(on(kTabCache, IDC_CMDDELSELFROMCACHE));
  cmdDelAllFromCache.attach(on(kTabCache, IDC_CMDDELALLFROMCACHE));
  cmdinvertcachesel.attach(on(kTabCache, IDC_CMDINVERTCACHESEL));
  chkDelCachedPasswords.attach(on(kTabCache, IDC_CHKDELCACHEDPASSWORDS));

  URLs.attach(on(kTabHistory, IDC_URLS));
  URLs.setColumns({"Title", "URL", "Last visited", "Last Updated", "Expires", "Flags"});
  cmdClearHistory.attach(on(kTabHistory, IDC_CMDCLEARHISTORY));

  txtFolderToWipe.attach(on(kTabSecureWipe, IDC_TXTFOLDERTOWIPE));
  cmdBrowseForFolder.attach(on(kTabSecureWipe, IDC_CMDBROWSEFORFOLDER));
  txtFileToWipe.attach(on(kTabSecureWipe, IDC_TXTFILETOWIPE));
  cmdBrowseForFile.attach(on(kTabSecureWipe, IDC_CMDBROWSEFORFILE));
  chkSecureForAll.attach(on(kTabSecureWipe, IDC_CHKSECUREFORALL));
  optQuick.attach(on(kTabSecureWipe, IDC_OPTQUICK));
  optDOD.attach(on(kTabSecureWipe, IDC_OPTDOD));
  cmdWipe.attach(on(kTabSecureWipe, IDC_CMDWIPE));

  lblappname.attach(on(kTabAbout, IDC_LBLAPPNAME));
  lblproginfo.attach(on(kTabAbout, IDC_LBLPROGINFO));
  lbladdress.attach(on(kTabAbout, IDC_LBLADDRESS));
  lblwarning.attach(on(kTabAbout, IDC_LBLWARNING));
  lblurl.attach(on(kTabAbout, IDC_LBLURL));
  cmdcheckForUpdates.attach(on(kTabAbout, IDC_CMDCHECKFORUPDATES));

  // The designed state of a fresh window: "Secure Wipe" shown, Quick chosen.
  SSTab1.setTabs(kTabCaptions, {pages_.begin(), pages_.end()});
  SSTab1.showTab(kTabSecureWipe);
  optQuick.setValue(true);
}

std::vector<NativeControl*> Win32MainView::allControls() {
  return {&SSTab1, &cmdok, &cmdHelp, &sbar,
          &chkautostart, &chkdelOnStart, &chkDelOnShutDown, &Chkautoclearcookies, &ChkAutoClearCache,
          &ChkAutoClearHistory, &chkdeltempfiles, &chkEmptyRecycleBin,
          &txtCookieDir, &lstcookies, &cmdselectallcookies, &cmdselectnocookies, &cmdinvertcookiesselection,
          &cmddelcookies,
          &List1, &cmdDelSelFromCache, &cmdDelAllFromCache, &cmdinvertcachesel, &chkDelCachedPasswords,
          &URLs, &cmdClearHistory,
          &txtFolderToWipe, &cmdBrowseForFolder, &txtFileToWipe, &cmdBrowseForFile, &chkSecureForAll, &optQuick,
          &optDOD, &cmdWipe,
          &lblappname, &lblproginfo, &lbladdress, &lblwarning, &lblurl, &cmdcheckForUpdates};
}

// Pages cover the tab control's display area; the status bar docks itself.
void Win32MainView::layout() {
  SendMessageW(sbar.hwnd(), WM_SIZE, 0, 0);
  RECT area{};
  GetWindowRect(SSTab1.hwnd(), &area);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&area), 2);
  SendMessageW(SSTab1.hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  for (HWND page : pages_)
    SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MainView::applyArtworkAndFonts() {
  picture1_.show(GetDlgItem(hwnd_, IDC_PICTURE1), module_, IDB_BANNER);
  picture2_.show(GetDlgItem(page(kTabAbout), IDC_PICTURE2), module_, IDB_LOGO);
  // From a plain label of the page: it carries the font of the current DPI.
  replaceFont(lblappname.hwnd(), titleFont_, derivedFont(lblproginfo.hwnd(), 150, FW_BOLD, false));
  replaceFont(lblurl.hwnd(), linkFont_, derivedFont(lblproginfo.hwnd(), 100, FW_NORMAL, true));
}

}  // namespace vellox::win32
