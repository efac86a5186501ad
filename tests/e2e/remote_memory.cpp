#include "remote_memory.h"

namespace vellox::e2e {

RemoteBuffer::RemoteBuffer(HWND window, size_t size) : size_(size) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  process_.reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id));
  if (!process_) return;
  address_ = VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer() {
  if (address_ != nullptr) VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
}

bool RemoteBuffer::write(size_t offset, const void* data, size_t size) const {
  if (address_ == nullptr || offset + size > size_) return false;
  SIZE_T written = 0;
  return WriteProcessMemory(process_.get(), at(offset), data, size, &written) && written == size;
}

bool RemoteBuffer::read(size_t offset, void* data, size_t size) const {
  if (address_ == nullptr || offset + size > size_) return false;
  SIZE_T got = 0;
  return ReadProcessMemory(process_.get(), at(offset), data, size, &got) && got == size;
}

}  // namespace vellox::e2e
