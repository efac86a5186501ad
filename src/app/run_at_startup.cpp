#include "app/run_at_startup.h"
#include "common/app_identity.h"
#include "platform/instance.h"
#include "platform/registry.h"

namespace vellox {

namespace {

const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Quoted, so that a folder with blanks cannot make Windows start C:\Program.exe instead.
std::string startCommand(Services& services) {
  std::string folder = services.instance.programFolder();
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return "\"" + folder + kExeBaseName + ".exe\"";
}

}  // namespace

void setRunAtStartup(Services& services, bool run) {
  std::unique_ptr<RegistryKey> key;
  if (services.registry.open(RegRoot::CurrentUser, kRunKey, RegAccess::Write, key) != kRegOk || !key) return;
  if (run)
    key->setString(kAppTitle, startCommand(services));
  else
    key->deleteValue(kAppTitle);
}

}  // namespace vellox
