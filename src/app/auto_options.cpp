#include "app/auto_options.h"
#include "app/frmmain.h"
#include "app/stored_options.h"

namespace vellox {

namespace {
int passesFor(bool secure, bool quick) { return secure ? (quick ? 3 : 7) : 0; }
}  // namespace

AutoOptions storedAutoOptions(SettingsStore& settings) {
  auto on = [&](const char* key) { return storedCheck(settings, key) == 1; };
  AutoOptions options;
  options.onStart = on("runonstart");
  options.onShutdown = on("runonshutdown");
  options.cookies = on("autodelcookies");
  options.cache = on("autodelcache");
  options.history = on("autodelhistory");
  options.tempFolder = on("autocleartemp");
  options.recycleBin = on("autoemptyrecyclebin");
  options.windowsTraces = on("autodelwindows");
  options.cachedPasswords = on("delcachedpasswords");
  options.securePasses = passesFor(on("secureforall"), storedQuick(settings));
  return options;
}

// The window's controls hold the options while it is loaded, ticked or not yet stored.
AutoOptions frmmain::autoOptions() const {
  AutoOptions options;
  options.onStart = chkdelOnStart.value() == 1;
  options.onShutdown = chkDelOnShutDown.value() == 1;
  options.cookies = Chkautoclearcookies.value() == 1;
  options.cache = ChkAutoClearCache.value() == 1;
  options.history = ChkAutoClearHistory.value() == 1;
  options.tempFolder = chkdeltempfiles.value() == 1;
  options.recycleBin = chkEmptyRecycleBin.value() == 1;
  options.windowsTraces = chkAutoDelWindows.value() == 1;
  options.cachedPasswords = chkDelCachedPasswords.value() == 1;
  options.securePasses = securePasses();
  return options;
}

int frmmain::securePasses() const { return passesFor(chkSecureForAll.value() == 1, optQuick.value()); }

}  // namespace vellox
