#include "update/update_check.h"
#include "common/app_identity.h"
#include "build_config.h"
#include "platform/files.h"
#include "platform/instance.h"
#include "platform/ui.h"
#include "update/version_file.h"
#include "update/web_links.h"
#include "wipe/shred_file.h"

namespace vellox {

namespace {

constexpr const char* kNotFound = "The update file not found.Unable to verify if new download is present";
constexpr const char* kNewer = "A newer version is available!. Do you wish to go to the download page?";
constexpr const char* kUpToDate = "Your version is up to date";
// The version file is one short line; anything past this is not ours to read.
constexpr std::size_t kMaxVersionFile = 4096;

// The published version, or nothing when the copy cannot be read or holds no number.
std::optional<Version> readPublishedVersion(Services& services, const std::string& path) {
  std::string contents;
  if (!services.files.readFile(path, contents, kMaxVersionFile).ok()) return std::nullopt;
  return parseVersion(firstField(contents));
}

}  // namespace

UpdateCheck configuredUpdateCheck() { return {build::kVersionUrl, build::kDownloadUrl, versionText()}; }

std::string localCopyPath(Services& services) {
  const std::string inProgramFolder = services.instance.programFolder() + "\\upd.txt";
  FileStatus status;
  // A per-machine install cannot write beside itself; the download would fail there.
  services.files.openForWrite(inProgramFolder, status);
  if (status.code != FileErrc::AccessDenied) return inProgramFolder;
  // The temporary folder is shared: a name of its own, never one that could be another's file.
  const std::string temp = services.files.tempPath();
  const std::string unique = temp.empty() ? std::string() : services.files.createUniqueFile(temp, "upd");
  return unique.empty() ? inProgramFolder : unique;
}

void runUpdateCheck(Services& services, const UpdateCheck& check, std::uintptr_t owner) {
  const std::string path = localCopyPath(services);
  std::optional<Version> published;
  if (downloadFile(services, check.versionUrl, path)) published = readPublishedVersion(services, path);
  forceDeleteFile(services.files, path);

  const auto own = parseVersion(check.ownVersion);
  if (!published || !own) {
    services.ui.messageBox(kNotFound, kAppTitle, MsgIcon::None, MsgButtons::Ok, owner);
    return;
  }
  if (*own < *published) {
    if (services.ui.messageBox(kNewer, kAppTitle, MsgIcon::Information, MsgButtons::YesNo, owner) ==
        MsgAnswer::Yes)
      openURL(services, check.downloadUrl);
    return;
  }
  services.ui.messageBox(kUpToDate, kAppTitle, MsgIcon::Information, MsgButtons::Ok, owner);
}

}  // namespace vellox
