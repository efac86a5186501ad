#include <memory>
#include <optional>
#include <string>
#include "contracts/download_contract.h"
#include "loopback_server.h"
#include "platform/win32/win32_services.h"

// The real download service, against a loopback server, with the contract its fake keeps natively.
namespace vellox::test {
namespace {

struct RealDownloadSide {
  RealDownloadSide() { EXPECT_TRUE(server_.listening()) << "the loopback server did not start"; }
  Download& download() { return *download_; }
  void publish(const std::string& name, const std::string& body) { server_.publish(name, body); }
  std::string url(const std::string& name) const { return server_.url(name); }
  std::string unreachableUrl(const std::string& name) const { return server_.closedUrl(name); }
  std::string target(const std::string& name) const { return server_.root() + "\\prog\\" + name; }
  void write(const std::string& path, const std::string& body) { writeFile(path, body); }
  std::optional<std::string> read(const std::string& path) {
    std::string contents;
    if (!files_->readFile(path, contents, 1 << 20).ok()) return std::nullopt;
    return contents;
  }
  LoopbackServer server_;
  std::unique_ptr<Files> files_ = win32::makeFiles();
  std::unique_ptr<Download> download_ = win32::makeDownload();
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, DownloadContract, RealDownloadSide);

}  // namespace
}  // namespace vellox::test
