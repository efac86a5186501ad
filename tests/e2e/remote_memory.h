#pragma once
#include <windows.h>
#include <cstddef>
#include "platform/win32/handle.h"

namespace vellox::e2e {

// A block of memory inside another process, for the control messages whose
// pointers Windows does not marshal (list views, tab items, tooltips).
class RemoteBuffer {
 public:
  // Allocates size bytes in the process that owns window; empty on failure.
  RemoteBuffer(HWND window, size_t size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  explicit operator bool() const { return address_ != nullptr; }
  // The address as the other process sees it, at an offset into the block.
  void* at(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
  LPARAM param(size_t offset = 0) const { return reinterpret_cast<LPARAM>(at(offset)); }
  bool write(size_t offset, const void* data, size_t size) const;
  bool read(size_t offset, void* data, size_t size) const;

 private:
  win32::UniqueHandle process_;
  void* address_ = nullptr;
  size_t size_ = 0;
};

}  // namespace vellox::e2e
