#include "platform/win32/win32_services.h"

namespace vellox::win32 {

namespace {
class PendingDownload : public Download {
 public:
  bool downloadToFile(const std::string&, const std::string&) override { return false; }
};
}  // namespace

std::unique_ptr<Download> makeDownload() { return std::make_unique<PendingDownload>(); }

}  // namespace vellox::win32
