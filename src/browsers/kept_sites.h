#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vellox {

// The sites whose cookies a clean leaves alone. "example.com" keeps example.com and every
// subdomain of it, never "badexample.com".
class KeptSites {
 public:
  KeptSites() = default;
  // As the user typed them: surrounding blanks, case and leading dots do not matter; empty
  // entries and repeats are dropped.
  explicit KeptSites(std::vector<std::string> sites);

  // `cookieHost` as a browser stores it: ".example.com", "www.example.com", "example.com".
  bool keeps(std::string_view cookieHost) const { return keptBy(cookieHost) != nullptr; }
  // The kept site that covers the host; none when no site does.
  const std::string* keptBy(std::string_view cookieHost) const;
  const std::vector<std::string>& sites() const { return sites_; }
  bool empty() const { return sites_.empty(); }

 private:
  std::vector<std::string> sites_;
};

// A host or site as one compares them: blanks and leading dots dropped, ASCII in lower case.
std::string siteOf(std::string_view host);

}  // namespace vellox
