#include "wipe/explorer_verb.h"
#include <memory>
#include "common/app_identity.h"
#include "platform/instance.h"
#include "platform/registry.h"

namespace vellox {

namespace {

constexpr const char* kVerbKeys[] = {kFileVerbKey, kFolderVerbKey};

std::string exePath(Services& services) {
  std::string folder = services.instance.programFolder();
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder + kExeBaseName + ".exe";
}

bool hasCommand(Services& services, const std::string& verbKey) {
  std::unique_ptr<RegistryKey> key;
  if (services.registry.open(RegRoot::CurrentUser, verbKey + "\\command", RegAccess::Default, key) != kRegOk)
    return false;
  std::uint32_t type = 0, size = 0;
  return key->queryInfo("", type, size) == kRegOk && type == kRegSz && size > 2;
}

long addVerb(Services& services, const std::string& verbKey) {
  std::unique_ptr<RegistryKey> key;
  long rc = services.registry.open(RegRoot::CurrentUser, verbKey, RegAccess::Write, key);
  if (rc == kRegOk) rc = key->setString("", kExplorerVerbText);
  if (rc == kRegOk) rc = key->setString("Icon", exePath(services) + ",0");
  if (rc != kRegOk) return rc;
  rc = services.registry.open(RegRoot::CurrentUser, verbKey + "\\command", RegAccess::Write, key);
  return rc == kRegOk ? key->setString("", explorerVerbCommand(services)) : rc;
}

}  // namespace

std::string explorerVerbCommand(Services& services) { return "\"" + exePath(services) + "\" --wipe \"%1\""; }

bool explorerVerbPresent(Services& services) {
  for (const char* verbKey : kVerbKeys)
    if (!hasCommand(services, verbKey)) return false;
  return true;
}

long setExplorerVerb(Services& services, bool present) {
  for (const char* verbKey : kVerbKeys) {
    long rc = present ? addVerb(services, verbKey) : services.registry.deleteTree(RegRoot::CurrentUser, verbKey);
    if (rc == kRegFileNotFound && !present) rc = kRegOk;
    // Half a verb is worse than none: a failed addition takes back what it wrote.
    if (rc != kRegOk) {
      if (present) setExplorerVerb(services, false);
      return rc;
    }
  }
  return kRegOk;
}

}  // namespace vellox
