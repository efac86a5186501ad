#include "browsers/kept_sites.h"
#include <algorithm>

namespace vellox {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string siteOf(std::string_view host) {
  while (!host.empty() && isBlank(host.front())) host.remove_prefix(1);
  while (!host.empty() && isBlank(host.back())) host.remove_suffix(1);
  while (!host.empty() && host.front() == '.') host.remove_prefix(1);
  std::string site(host);
  for (char& c : site)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return site;
}

KeptSites::KeptSites(std::vector<std::string> sites) {
  for (const auto& typed : sites) {
    std::string site = siteOf(typed);
    if (!site.empty() && std::find(sites_.begin(), sites_.end(), site) == sites_.end())
      sites_.push_back(std::move(site));
  }
}

const std::string* KeptSites::keptBy(std::string_view cookieHost) const {
  const std::string host = siteOf(cookieHost);
  for (const auto& site : sites_) {
    if (host == site) return &site;
    // A subdomain: the site follows a dot, so "badexample.com" is not "example.com".
    if (host.size() > site.size() && host.ends_with(site) && host[host.size() - site.size() - 1] == '.')
      return &site;
  }
  return nullptr;
}

}  // namespace vellox
