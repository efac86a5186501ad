#pragma once
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/mouse_pointer.h"
#include "ui/option_button.h"
#include "ui/progress_bar.h"
#include "ui/status_bar.h"
#include "ui/tab_control.h"
#include "ui/text_box.h"

// The main window's tabs and controls, each described once. The views, the
// window logic and the real window's binding are all made from these tables, so
// a new tab needs its row and its table of controls here, its page in the
// resources, and its class in its own folder (docs/adding-a-tab.md).

// The tabs in order: name (kTab<name>), caption, page template.
#define VELLOX_MAIN_TABS(X)                       \
  X(General, "General", IDD_PAGE_GENERAL)         \
  X(Cookies, "Cookies", IDD_PAGE_COOKIES)         \
  X(Cache, "Cache", IDD_PAGE_CACHE)               \
  X(History, "Browser History", IDD_PAGE_HISTORY) \
  X(Browsers, "Browsers", IDD_PAGE_BROWSERS)      \
  X(Windows, "Windows", IDD_PAGE_WINDOWS)         \
  X(SecureWipe, "Secure Wipe", IDD_PAGE_WIPE)     \
  X(About, "&About", IDD_PAGE_ABOUT)

// Every control the logic reads, writes or handles, one table per tab: its type (of ui/),
// name, the tab whose page holds it (kOnWindow: the window itself) and resource ID; then a
// list's column headers, or the caption a button's resource gives it.

#define VELLOX_WINDOW_CONTROLS(X)                     \
  X(TabControl, SSTab1, kOnWindow, IDC_SSTAB1)        \
  X(Button, cmdok, kOnWindow, IDC_CMDOK, "&Ok")       \
  X(Button, cmdHelp, kOnWindow, IDC_CMDHELP, "&Help") \
  X(StatusBar, sbar, kOnWindow, IDC_SBAR)

#define VELLOX_GENERAL_CONTROLS(X)                                       \
  X(CheckBox, chkautostart, kTabGeneral, IDC_CHKAUTOSTART)               \
  X(CheckBox, chkdelOnStart, kTabGeneral, IDC_CHKDELONSTART)             \
  X(CheckBox, chkDelOnShutDown, kTabGeneral, IDC_CHKDELONSHUTDOWN)       \
  X(CheckBox, Chkautoclearcookies, kTabGeneral, IDC_CHKAUTOCLEARCOOKIES) \
  X(CheckBox, ChkAutoClearCache, kTabGeneral, IDC_CHKAUTOCLEARCACHE)     \
  X(CheckBox, ChkAutoClearHistory, kTabGeneral, IDC_CHKAUTOCLEARHISTORY) \
  X(CheckBox, chkdeltempfiles, kTabGeneral, IDC_CHKDELTEMPFILES)         \
  X(CheckBox, chkEmptyRecycleBin, kTabGeneral, IDC_CHKEMPTYRECYCLEBIN)   \
  X(CheckBox, chkAutoDelWindows, kTabGeneral, IDC_CHKAUTODELWINDOWS)

#define VELLOX_COOKIES_CONTROLS(X)                                                                     \
  X(TextBox, txtCookieDir, kTabCookies, IDC_TXTCOOKIEDIR)                                              \
  X(ListView, lstcookies, kTabCookies, IDC_LSTCOOKIES, "Cookie Name", "Cookie Path")                   \
  X(Button, cmdselectallcookies, kTabCookies, IDC_CMDSELECTALLCOOKIES, "Select All")                   \
  X(Button, cmdselectnocookies, kTabCookies, IDC_CMDSELECTNOCOOKIES, "Select None")                    \
  X(Button, cmdinvertcookiesselection, kTabCookies, IDC_CMDINVERTCOOKIESSELECTION, "Invert Selection") \
  X(Button, cmddelcookies, kTabCookies, IDC_CMDDELCOOKIES, "&Delete Cookies")

#define VELLOX_CACHE_CONTROLS(X)                                                      \
  X(ListBox, List1, kTabCache, IDC_LIST1)                                             \
  X(Button, cmdDelSelFromCache, kTabCache, IDC_CMDDELSELFROMCACHE, "Delete Selected") \
  X(Button, cmdDelAllFromCache, kTabCache, IDC_CMDDELALLFROMCACHE, "Clear Cache")     \
  X(Button, cmdinvertcachesel, kTabCache, IDC_CMDINVERTCACHESEL, "Invert Selection")  \
  X(CheckBox, chkDelCachedPasswords, kTabCache, IDC_CHKDELCACHEDPASSWORDS)

#define VELLOX_HISTORY_CONTROLS(X)                                                                             \
  X(ListView, URLs, kTabHistory, IDC_URLS, "Title", "URL", "Last visited", "Last Updated", "Expires", "Flags") \
  X(Button, cmdClearHistory, kTabHistory, IDC_CMDCLEARHISTORY, "Clear History")

#define VELLOX_BROWSERS_CONTROLS(X)                                                              \
  X(ListView, lstBrowsers, kTabBrowsers, IDC_LSTBROWSERS, "Browser", "Profile", "Item", "Found") \
  X(Button, cmdAnalyze, kTabBrowsers, IDC_CMDANALYZE, "&Analyze")                                \
  X(Button, cmdClean, kTabBrowsers, IDC_CMDCLEAN, "C&lean")                                      \
  X(Button, cmdKeepCookies, kTabBrowsers, IDC_CMDKEEPCOOKIES, "Cookies to &Keep...")

#define VELLOX_WINDOWS_CONTROLS(X)                                      \
  X(ListView, lstWindows, kTabWindows, IDC_LSTWINDOWS, "Item", "Found") \
  X(Button, cmdAnalyzeWindows, kTabWindows, IDC_CMDANALYZEWINDOWS, "&Analyze") \
  X(Button, cmdCleanWindows, kTabWindows, IDC_CMDCLEANWINDOWS, "C&lean")

#define VELLOX_SECURE_WIPE_CONTROLS(X)                                               \
  X(TextBox, txtFolderToWipe, kTabSecureWipe, IDC_TXTFOLDERTOWIPE)                   \
  X(Button, cmdBrowseForFolder, kTabSecureWipe, IDC_CMDBROWSEFORFOLDER, "Browse...") \
  X(TextBox, txtFileToWipe, kTabSecureWipe, IDC_TXTFILETOWIPE)                       \
  X(Button, cmdBrowseForFile, kTabSecureWipe, IDC_CMDBROWSEFORFILE, "Browse...")     \
  X(CheckBox, chkSecureForAll, kTabSecureWipe, IDC_CHKSECUREFORALL)                  \
  X(OptionButton, optQuick, kTabSecureWipe, IDC_OPTQUICK)                            \
  X(OptionButton, optDOD, kTabSecureWipe, IDC_OPTDOD)                                \
  X(Button, cmdWipe, kTabSecureWipe, IDC_CMDWIPE, "&Wipe")                           \
  X(CheckBox, chkExplorerVerb, kTabSecureWipe, IDC_CHKEXPLORERVERB)                  \
  X(ProgressBar, prgWipe, kTabSecureWipe, IDC_PRGWIPE)                               \
  X(Label, lblWipeFiles, kTabSecureWipe, IDC_LBLWIPEFILES)                           \
  X(ListView, lstDrives, kTabSecureWipe, IDC_LSTDRIVES, "Drive", "Free", "Total", "File System") \
  X(Button, cmdWipeFreeSpace, kTabSecureWipe, IDC_CMDWIPEFREESPACE, "Wipe &Free Space")

#define VELLOX_ABOUT_CONTROLS(X)                                                            \
  X(Label, lblappname, kTabAbout, IDC_LBLAPPNAME)                                           \
  X(Label, lblproginfo, kTabAbout, IDC_LBLPROGINFO)                                         \
  X(Label, lbladdress, kTabAbout, IDC_LBLADDRESS)                                           \
  X(Label, lblwarning, kTabAbout, IDC_LBLWARNING)                                           \
  X(Label, lblurl, kTabAbout, IDC_LBLURL)                                                   \
  X(Label, lblcleanlog, kTabAbout, IDC_LBLCLEANLOG)                                         \
  X(Button, cmdcheckForUpdates, kTabAbout, IDC_CMDCHECKFORUPDATES, "&Check for updates...")

#define VELLOX_MAIN_CONTROLS(X)                                                                                  \
  VELLOX_WINDOW_CONTROLS(X) VELLOX_GENERAL_CONTROLS(X) VELLOX_COOKIES_CONTROLS(X) VELLOX_CACHE_CONTROLS(X)       \
  VELLOX_HISTORY_CONTROLS(X) VELLOX_BROWSERS_CONTROLS(X) VELLOX_WINDOWS_CONTROLS(X)                             \
  VELLOX_SECURE_WIPE_CONTROLS(X) VELLOX_ABOUT_CONTROLS(X)

namespace vellox {

enum MainTab : int {
#define VELLOX_TAB_INDEX(name, caption, page) kTab##name,
  VELLOX_MAIN_TABS(VELLOX_TAB_INDEX)
#undef VELLOX_TAB_INDEX
  kTabCount
};
inline constexpr int kOnWindow = -1;

inline constexpr const char* kTabCaptions[] = {
#define VELLOX_TAB_CAPTION(name, caption, page) caption,
    VELLOX_MAIN_TABS(VELLOX_TAB_CAPTION)
#undef VELLOX_TAB_CAPTION
};

// A fresh window shows "Secure Wipe" with Quick chosen.
inline constexpr int kFirstTab = kTabSecureWipe;

// The controls by the names the window logic uses, and the window's pointer.
struct MainControls {
#define VELLOX_CONTROL_REFERENCE(type, name, ...) type& name;
  VELLOX_MAIN_CONTROLS(VELLOX_CONTROL_REFERENCE)
  MousePointer& pointer;
};

// Lists the controls of a view holding one member per table entry, for MainControls' braces.
#define VELLOX_CONTROL_NAME(type, name, ...) name,

// One tab's slice of the table: the controls it owns, taken from the window's.
#define VELLOX_CONTROL_REFERENCE(type, name, ...) type& name;
#define VELLOX_CONTROL_OF_WINDOW(type, name, ...) window.name,
#define VELLOX_TAB_CONTROLS(Slice, TABLE)                                                \
  struct Slice {                                                                          \
    TABLE(VELLOX_CONTROL_REFERENCE)                                                       \
    static Slice of(MainControls& window) { return {TABLE(VELLOX_CONTROL_OF_WINDOW)}; } \
  };

VELLOX_TAB_CONTROLS(GeneralControls, VELLOX_GENERAL_CONTROLS)
VELLOX_TAB_CONTROLS(CookiesControls, VELLOX_COOKIES_CONTROLS)
VELLOX_TAB_CONTROLS(CacheControls, VELLOX_CACHE_CONTROLS)
VELLOX_TAB_CONTROLS(HistoryControls, VELLOX_HISTORY_CONTROLS)
VELLOX_TAB_CONTROLS(BrowsersControls, VELLOX_BROWSERS_CONTROLS)
VELLOX_TAB_CONTROLS(WindowsControls, VELLOX_WINDOWS_CONTROLS)
VELLOX_TAB_CONTROLS(SecureWipeControls, VELLOX_SECURE_WIPE_CONTROLS)
VELLOX_TAB_CONTROLS(AboutControls, VELLOX_ABOUT_CONTROLS)

}  // namespace vellox
