#include "ui/headless/headless_views.h"

namespace vellox {

namespace {
const double kListWidth = 7500.0;
}

HeadlessMainView::HeadlessMainView(const TextOrder& order)
    : SSTab1(focus, {"General", "Cookies", "Cache", "Browser History", "Secure Wipe", "&About"}, kTabSecureWipe),
      cmdok(focus, "&Ok"),
      cmdHelp(focus, "&Help"),
      chkautostart(focus),
      chkdelOnStart(focus),
      chkDelOnShutDown(focus),
      Chkautoclearcookies(focus),
      ChkAutoClearCache(focus),
      ChkAutoClearHistory(focus),
      chkdeltempfiles(focus),
      chkEmptyRecycleBin(focus),
      txtCookieDir(focus),
      lstcookies(focus, order, {"Cookie Name", "Cookie Path"}, kListWidth),
      cmdselectallcookies(focus, "Select All"),
      cmdselectnocookies(focus, "Select None"),
      cmdinvertcookiesselection(focus, "Invert Selection"),
      cmddelcookies(focus, "&Delete Cookies"),
      List1(focus),
      cmdDelSelFromCache(focus, "Delete Selected"),
      cmdDelAllFromCache(focus, "Clear Cache"),
      cmdinvertcachesel(focus, "Invert Selection"),
      chkDelCachedPasswords(focus),
      URLs(focus, order, {"Title", "URL", "Last visited", "Last Updated", "Expires", "Flags"}, kListWidth),
      cmdClearHistory(focus, "Clear History"),
      txtFolderToWipe(focus),
      cmdBrowseForFolder(focus, "Browse..."),
      txtFileToWipe(focus),
      cmdBrowseForFile(focus, "Browse..."),
      chkSecureForAll(focus),
      optQuick(focus, wipeLevel, true),
      optDOD(focus, wipeLevel, false),
      cmdWipe(focus, "&Wipe"),
      lblappname(focus),
      lblproginfo(focus),
      lbladdress(focus),
      lblwarning(focus),
      lblurl(focus),
      cmdcheckForUpdates(focus, "&Check for updates..."),
      controls_{SSTab1, cmdok, cmdHelp, sbar, pointer,
                chkautostart, chkdelOnStart, chkDelOnShutDown, Chkautoclearcookies, ChkAutoClearCache,
                ChkAutoClearHistory, chkdeltempfiles, chkEmptyRecycleBin,
                txtCookieDir, lstcookies, cmdselectallcookies, cmdselectnocookies, cmdinvertcookiesselection,
                cmddelcookies,
                List1, cmdDelSelFromCache, cmdDelAllFromCache, cmdinvertcachesel, chkDelCachedPasswords,
                URLs, cmdClearHistory,
                txtFolderToWipe, cmdBrowseForFolder, txtFileToWipe, cmdBrowseForFile, chkSecureForAll, optQuick,
                optDOD, cmdWipe,
                lblappname, lblproginfo, lbladdress, lblwarning, lblurl, cmdcheckForUpdates} {}

HeadlessMainView::~HeadlessMainView() {
  if (destroyedFlag) *destroyedFlag = true;
}

std::unique_ptr<TrayView> HeadlessViewFactory::createTray() {
  auto view = std::make_unique<HeadlessTrayView>();
  view->failAdd = failTray;
  tray = view.get();
  return view;
}

std::unique_ptr<SplashView> HeadlessViewFactory::createSplash() {
  auto view = std::make_unique<HeadlessSplashView>();
  splash = view.get();
  ++splashesCreated;
  return view;
}

std::unique_ptr<MainView> HeadlessViewFactory::createMain() {
  auto view = std::make_unique<HeadlessMainView>(order_);
  main = view.get();
  ++mainsCreated;
  return view;
}

}  // namespace vellox
