#pragma once
#include <string>

namespace vellox {

class Download {
 public:
  virtual ~Download() = default;
  // Fetches `url` into `path`; true exactly on success.
  virtual bool downloadToFile(const std::string& url, const std::string& path) = 0;
};

}  // namespace vellox
