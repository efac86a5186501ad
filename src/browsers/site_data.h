#pragma once
#include <string>
#include <vector>
#include "browsers/browser_profile.h"
#include "browsers/kept_sites.h"
#include "platform/files.h"

namespace vellox {

// What a clean of the profile's site data deletes, decided the same way for Analyze and
// Clean so both count the same files.
struct SiteDataPlan {
  ItemPaths doomed;                    // files and folders that go whole
  std::vector<std::string> leftWhole;  // stores that mix sites, left because sites are kept: "Local Storage"
};

SiteDataPlan planSiteData(Files& files, const BrowserProfile& profile, const KeptSites& kept);

// What a child of a per-origin folder holds.
enum class OriginKind {
  Site,     // one web site's data
  Foreign,  // an extension's or the browser's own: never site data
  Shared,   // a file of the store itself, or data not tied to one site
};
struct OriginName {
  OriginKind kind = OriginKind::Shared;
  std::string host;  // of a Site
};
// Chromium names them "https_www.example.com_0.indexeddb.leveldb", Firefox "https+++www.example.com+8443^...".
OriginName originOfChild(BrowserFamily family, const std::string& name);

// The note that names the stores left whole, for Analyze and the closing message.
std::string leftWholeNote(const std::vector<std::string>& stores);

}  // namespace vellox
