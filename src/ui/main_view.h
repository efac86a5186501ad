#pragma once
#include <cstdint>
#include <string>
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/control.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/mouse_pointer.h"
#include "ui/option_button.h"
#include "ui/status_bar.h"
#include "ui/tab_control.h"
#include "ui/text_box.h"

namespace vellox {

inline constexpr int kTabGeneral = 0;
inline constexpr int kTabCookies = 1;
inline constexpr int kTabCache = 2;
inline constexpr int kTabHistory = 3;
inline constexpr int kTabSecureWipe = 4;
inline constexpr int kTabAbout = 5;

// Every control of the main window that the logic reads, writes or handles.
struct MainControls {
  TabControl& SSTab1;
  Button& cmdok;
  Button& cmdHelp;
  StatusBar& sbar;
  MousePointer& pointer;
  // General
  CheckBox& chkautostart;
  CheckBox& chkdelOnStart;
  CheckBox& chkDelOnShutDown;
  CheckBox& Chkautoclearcookies;
  CheckBox& ChkAutoClearCache;
  CheckBox& ChkAutoClearHistory;
  CheckBox& chkdeltempfiles;
  CheckBox& chkEmptyRecycleBin;
  // Cookies
  TextBox& txtCookieDir;
  ListView& lstcookies;
  Button& cmdselectallcookies;
  Button& cmdselectnocookies;
  Button& cmdinvertcookiesselection;
  Button& cmddelcookies;
  // Cache
  ListBox& List1;
  Button& cmdDelSelFromCache;
  Button& cmdDelAllFromCache;
  Button& cmdinvertcachesel;
  CheckBox& chkDelCachedPasswords;
  // Browser History
  ListView& URLs;
  Button& cmdClearHistory;
  // Secure Wipe
  TextBox& txtFolderToWipe;
  Button& cmdBrowseForFolder;
  TextBox& txtFileToWipe;
  Button& cmdBrowseForFile;
  CheckBox& chkSecureForAll;
  OptionButton& optQuick;
  OptionButton& optDOD;
  Button& cmdWipe;
  // About
  Label& lblappname;
  Label& lblproginfo;
  Label& lbladdress;
  Label& lblwarning;
  Label& lblurl;
  Button& cmdcheckForUpdates;
};

// The main window's form: its controls and the window itself.
class MainView {
 public:
  virtual ~MainView() = default;
  virtual MainControls& controls() = 0;
  virtual void setCaption(const std::string& caption) = 0;
  virtual std::string caption() const = 0;
  virtual void show() = 0;  // shows it, not modal, and brings it forward
  virtual void hide() = 0;
  virtual bool visible() const = 0;
  virtual void repaint() = 0;
  // The native window, as an owner for message boxes and dialogs; 0 headless.
  virtual std::uintptr_t nativeHandle() const = 0;
  // The close box; the application decides what closing means.
  Event onCloseBox;
};

}  // namespace vellox
