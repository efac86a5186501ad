#include "platform/win32/win32_writable_file.h"
#include <algorithm>
#include "platform/win32/file_status.h"

namespace vellox::win32 {

FileStatus Win32WritableFile::length(std::uint64_t& length) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle_.get(), &size)) return lastStatus();
  length = static_cast<std::uint64_t>(size.QuadPart);
  return {};
}

FileStatus Win32WritableFile::writeAt(std::uint64_t offset, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle_.get(), bytes, chunk, &written, &at)) return lastStatus();
    if (written == 0) return statusOf(ERROR_WRITE_FAULT);
    bytes += written;
    offset += written;
    size -= written;
  }
  return {};
}

FileStatus Win32WritableFile::flush() { return FlushFileBuffers(handle_.get()) ? FileStatus{} : lastStatus(); }

}  // namespace vellox::win32
