#include "platform/win32/win32_services.h"

namespace vellox::win32 {

namespace {
class PendingFiles : public Files {
 public:
  char separator() const override { return '\\'; }
  std::unique_ptr<WritableFile> openForWrite(const std::string&, FileStatus& status) override {
    status = {FileErrc::Other, 50, "Not supported."};
    return nullptr;
  }
  FileStatus deleteFile(const std::string&) override { return {FileErrc::Other, 50, "Not supported."}; }
  FileStatus setNormalAttributes(const std::string&) override { return {FileErrc::Other, 50, "Not supported."}; }
  FileStatus fileLength(const std::string&, std::uint64_t&) override { return {FileErrc::Other, 50, "Not supported."}; }
  FileStatus readFile(const std::string&, std::string&, std::size_t) override { return {FileErrc::Other, 50, "Not supported."}; }
  std::optional<std::vector<DirEntry>> listFolder(const std::string&) override { return std::nullopt; }
  std::string tempPath() override { return ""; }
};
}  // namespace

std::unique_ptr<Files> makeFiles() { return std::make_unique<PendingFiles>(); }

}  // namespace vellox::win32
