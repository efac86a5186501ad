#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>
#include "platform/download.h"

namespace vellox::test {

// A web server that answers with what was published under each URL; the body
// goes to `store`, which a test points at its fake files. An URL nothing was
// published under fails, as a server that does not answer, and writes nothing.
class FakeDownload : public Download {
 public:
  bool downloadToFile(const std::string& url, const std::string& path) override {
    requests.push_back({url, path});
    const auto body = published.find(url);
    if (body == published.end()) return false;
    if (store) store(path, body->second);
    return true;
  }
  struct Request {
    std::string url, path;
  };
  std::vector<Request> requests;
  std::map<std::string, std::string> published;  // body by URL
  std::function<void(const std::string& path, const std::string& body)> store;
};

}  // namespace vellox::test
