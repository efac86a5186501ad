#pragma once
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include "app/auto_options.h"
#include "app/program_state.h"
#include "platform/services.h"
#include "ui/main_view.h"

namespace vellox {

struct BrowserRow;
class BrowserRun;
class KeptSites;
class frmKeepCookies;

// The main window. Its handlers live beside the subsystem that owns them:
// app/ the window itself and the preferences, cookies/, cache/, history/,
// wipe/, system_areas/ and update/ the tabs' own. Its controls, by the names the
// handlers use (SSTab1, chkdeltempfiles, sbar, ...), are those of MainControls.
class frmmain : public MainControls {
 public:
  // Loads the window (creates it hidden) and runs Form_Load.
  frmmain(Services& services, ProgramState& state, std::function<void()> requestUnload);
  ~frmmain();
  frmmain(const frmmain&) = delete;
  frmmain& operator=(const frmmain&) = delete;

  MainView& view() { return *view_; }

  // The window itself
  void Form_Load();
  void Form_Activate();
  void Form_QueryUnload();
  // Closed: hidden, and no event of the window reaches its handlers any more.
  // The object itself goes later, once no handler of it runs.
  void retire();
  void cmdok_Click();
  void SSTab1_Click();

  // Preferences
  void loadUserPrefs();
  void saveUserPrefs();
  std::array<std::pair<const char*, CheckBox*>, 11> storedBoxes();
  // What an automatic clean does, as the controls show it now.
  AutoOptions autoOptions() const;
  // The shredding level while "Secure Wipe all other areas" is checked; 0 when it is not.
  int securePasses() const;

  // Cookies
  void loadCookiesList();
  void EnumCookies(std::string path);
  void cmdselectallcookies_Click();
  void cmdselectnocookies_Click();
  void cmdinvertcookiesselection_Click();
  void cmddelcookies_Click();
  void deletecookies();

  // Cache
  void loadCacheContents();
  void GetCacheURLList();
  void cmdDelSelFromCache_Click();
  void cmdDelAllFromCache_Click();
  void deletecache();
  void cmdinvertcachesel_Click();
  void invertsel();

  // Browser History
  void loadURLHistory();
  void URLs_ColumnClick(int column);
  void cmdClearHistory_Click();

  // Browsers
  void loadBrowsersList();
  void lstBrowsers_CheckToggled(std::size_t row);
  void cmdAnalyze_Click();
  void cmdClean_Click();
  void cmdKeepCookies_Click();
  // A running Analyze or Clean, on whichever window is open while it runs.
  void followBrowserRun();
  void showBrowsersRunning(bool running);

  // Windows
  void loadWindowsList();
  void lstWindows_CheckToggled(std::size_t row);
  void cmdAnalyzeWindows_Click();
  void cmdCleanWindows_Click();
  void followWindowsRun();
  void showWindowsRunning(bool running);

  // Secure Wipe
  void cmdWipe_Click();
  void wipeOut();
  bool fileHasData(const std::string& path);
  void cmdBrowseForFile_Click();
  void cmdBrowseForFolder_Click();
  void chkExplorerVerb_Click();
  // Paths dropped on the Secure Wipe tab fill its fields; nothing is wiped yet.
  void filesDropped(const std::vector<std::string>& paths);
  // A path from Explorer's menu or the command line: the only target, with the warning up.
  void wipeFromShell(const std::string& path);
  bool wipeRunning() const;
  // A running wipe, on whichever window is open while it runs.
  void followWipe();
  void showWipeRunning(bool running);
  void showWipeProgress();

  // Temporary folder and Recycle Bin
  void chkdeltempfiles_Click();
  void chkEmptyRecycleBin_Click();
  void clearTempFolder();
  void emptyRecycleBin();

  // About and updates
  void cmdcheckForUpdates_Click();
  void checkForUpdates();
  void cmdHelp_Click();
  void lblurl_Click();
  void lblcleanlog_Click();

 private:
  frmmain(Services& services, ProgramState& state, std::function<void()> requestUnload,
          std::unique_ptr<MainView> view);
  void bindHandlers();
  void on(Event& event, void (frmmain::*handler)());
  KeptSites keptSites();
  std::shared_ptr<BrowserRun> startBrowserRun();
  std::shared_ptr<BrowserRun> startWindowsRun();

  Services& services_;
  ProgramState& state_;
  // The program's own state, by the names the handlers use.
  bool& showIndexDat;
  std::unique_ptr<CURLHistory>& historyStore;
  std::function<void()> requestUnload_;
  std::unique_ptr<MainView> view_;
  // Several dropped files, which "Wipe File" stands for while it shows "N files".
  std::vector<std::string> droppedFiles_;
  // The file-open dialog's last file name: it is shown again and kept on cancel.
  std::string comdlgFileName_;
  // The Browsers tab's rows, in the list's order.
  std::vector<BrowserRow> browserRows_;
  std::unique_ptr<frmKeepCookies> keepCookies_;
  // True while the Windows list is filled: its checks are the store's, not the user's.
  bool loadingWindows_ = false;
  // True while the cookie listing lets the event loop run.
  bool listingCookies_ = false;
  // False once the window is closed: a handler that let the event loop run
  // checks it before touching the window again, and no event reaches a handler.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace vellox
