#pragma once

namespace vellox {

// The browser's URL cache.
class UrlCache {
 public:
  virtual ~UrlCache() = default;
};

}  // namespace vellox
