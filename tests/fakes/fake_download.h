#pragma once
#include <functional>
#include <string>
#include <vector>
#include "platform/download.h"

namespace vellox::test {

// Succeeds by calling `write` with the target path, which a test points at its fake files.
class FakeDownload : public Download {
 public:
  bool downloadToFile(const std::string& url, const std::string& path) override {
    requests.push_back({url, path});
    if (!succeeds) return false;
    if (write) write(path);
    return true;
  }
  struct Request {
    std::string url, path;
  };
  std::vector<Request> requests;
  bool succeeds = true;
  std::function<void(const std::string&)> write;
};

}  // namespace vellox::test
