#pragma once
#include <windows.h>
#include "platform/files.h"
#include "platform/win32/handle.h"

namespace vellox::win32 {

// Writes through one open handle; `links` is the file's name count read from that handle.
class Win32WritableFile : public WritableFile {
 public:
  Win32WritableFile(UniqueHandle handle, DWORD links) : handle_(std::move(handle)), links_(links) {}
  FileStatus length(std::uint64_t& length) override;
  FileStatus writeAt(std::uint64_t offset, const void* data, std::size_t size) override;
  FileStatus flush() override;
  std::uint32_t linkCount() override { return links_; }

 private:
  UniqueHandle handle_;
  DWORD links_;
};

}  // namespace vellox::win32
