#include "automatic/auto_options.h"
#include "common/stored_options.h"
#include "wipe/shred_level.h"

namespace vellox {

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
  options.securePasses = shredPasses(on("secureforall"), storedQuick(settings));
  return options;
}

}  // namespace vellox
