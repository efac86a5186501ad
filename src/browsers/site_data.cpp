#include "browsers/site_data.h"
#include "browsers/file_items.h"

namespace vellox {

namespace {

bool startsWith(const std::string& text, const std::string& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

std::string lastName(const std::string& path, char separator) { return path.substr(path.find_last_of(separator) + 1); }

OriginName chromiumOrigin(const std::string& name) {
  if (startsWith(name, "chrome-extension_") || startsWith(name, "chrome_")) return {OriginKind::Foreign, ""};
  for (const std::string scheme : {"http_", "https_"}) {
    if (!startsWith(name, scheme)) continue;
    const std::string rest = name.substr(scheme.size());
    const auto port = rest.rfind('_');
    if (port == std::string::npos || port == 0) break;
    return {OriginKind::Site, rest.substr(0, port)};
  }
  return {OriginKind::Shared, ""};
}

OriginName firefoxOrigin(const std::string& name) {
  const std::string origin = name.substr(0, name.find('^'));
  if (startsWith(origin, "moz-extension+++") || startsWith(origin, "chrome")) return {OriginKind::Foreign, ""};
  for (const std::string scheme : {"http+++", "https+++"}) {
    if (!startsWith(origin, scheme)) continue;
    const std::string host = origin.substr(scheme.size(), origin.find('+', scheme.size()) - scheme.size());
    if (!host.empty()) return {OriginKind::Site, host};
  }
  return {OriginKind::Shared, ""};
}

void addPath(ItemPaths& item, const std::string& path, bool directory) {
  (directory ? item.folders : item.files).push_back(path);
}

// Each child of a per-origin folder goes unless a kept site owns it; while sites are kept,
// the store's own files stay with them, since they index the kept sites' data too.
void planOriginFolder(Files& files, BrowserFamily family, const std::string& folder, const KeptSites& kept,
                      SiteDataPlan& plan) {
  const FolderListing listing = files.readFolder(folder);
  bool sharedLeft = false;
  for (const auto& entry : listing.entries) {
    const std::string path = folder + files.separator() + entry.name;
    const OriginName origin = originOfChild(family, entry.name);
    if (origin.kind == OriginKind::Foreign) continue;
    if (origin.kind == OriginKind::Site && kept.keeps(origin.host)) continue;
    if (origin.kind == OriginKind::Shared && !kept.empty()) {
      sharedLeft = true;
      continue;
    }
    addPath(plan.doomed, path, entry.directory && !entry.link);
  }
  if (sharedLeft) plan.leftWhole.push_back(lastName(folder, files.separator()));
}

// A store that mixes sites goes whole, or stays whole while any site is kept and it holds
// anything: which keys belong to which site cannot be told without reading its format.
void planShared(Files& files, const std::string& path, bool directory, const KeptSites& kept, SiteDataPlan& plan) {
  if (kept.empty()) return addPath(plan.doomed, path, directory);
  ItemPaths store;
  addPath(store, path, directory);
  if (measureFiles(files, store).files > 0) plan.leftWhole.push_back(lastName(path, files.separator()));
}

}  // namespace

OriginName originOfChild(BrowserFamily family, const std::string& name) {
  return family == BrowserFamily::Firefox ? firefoxOrigin(name) : chromiumOrigin(name);
}

SiteDataPlan planSiteData(Files& files, const BrowserProfile& profile, const KeptSites& kept) {
  const ItemPaths& site = profile.siteData;
  SiteDataPlan plan;
  plan.doomed.files = site.files;
  plan.doomed.folders = site.folders;
  plan.doomed.linkedFolders = site.linkedFolders;
  for (const auto& folder : site.originFolders) planOriginFolder(files, profile.family, folder, kept, plan);
  for (const auto& path : site.sharedFolders) planShared(files, path, true, kept, plan);
  for (const auto& path : site.sharedFiles) planShared(files, path, false, kept, plan);
  return plan;
}

std::string leftWholeNote(const std::vector<std::string>& stores) {
  std::string names;
  for (const auto& store : stores) names += (names.empty() ? "" : ", ") + store;
  return names + " left whole: " + (stores.size() == 1 ? "it mixes" : "they mix") +
         " the data of many sites, and some sites are kept";
}

}  // namespace vellox
