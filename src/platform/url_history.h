#pragma once

namespace vellox {

// The browser's store of visited URLs.
class UrlHistoryService {
 public:
  virtual ~UrlHistoryService() = default;
};

}  // namespace vellox
