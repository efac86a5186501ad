#pragma once
#include <utility>
#include <windows.h>

namespace vellox::win32 {

// Owns one resource described by Traits (type, invalid(), isEmpty(), close()).
// Move-only; close() reports whether the release succeeded.
template <class Traits>
class UniqueResource {
 public:
  using Type = typename Traits::Type;

  UniqueResource() = default;
  explicit UniqueResource(Type value) : value_(value) {}
  ~UniqueResource() { close(); }
  UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;

  Type get() const { return value_; }
  explicit operator bool() const { return !Traits::isEmpty(value_); }
  // Gives up ownership without closing.
  Type release() { return std::exchange(value_, Traits::invalid()); }
  void reset(Type value = Traits::invalid()) {
    close();
    value_ = value;
  }
  bool close() {
    if (Traits::isEmpty(value_)) return true;
    return Traits::close(std::exchange(value_, Traits::invalid()));
  }

 private:
  Type value_ = Traits::invalid();
};

// Kernel handles: files, mutexes, events, processes. Both NULL and
// INVALID_HANDLE_VALUE mean "no handle", since APIs differ in which they return.
struct KernelHandleTraits {
  using Type = HANDLE;
  static Type invalid() { return nullptr; }
  static bool isEmpty(Type h) { return h == nullptr || h == INVALID_HANDLE_VALUE; }
  static bool close(Type h) { return CloseHandle(h) != 0; }
};
using UniqueHandle = UniqueResource<KernelHandleTraits>;

// FindFirstFileW searches.
struct FindHandleTraits {
  using Type = HANDLE;
  static Type invalid() { return INVALID_HANDLE_VALUE; }
  static bool isEmpty(Type h) { return h == nullptr || h == INVALID_HANDLE_VALUE; }
  static bool close(Type h) { return FindClose(h) != 0; }
};
using UniqueFindHandle = UniqueResource<FindHandleTraits>;

// Windows; destroying one destroys its children too.
struct WindowTraits {
  using Type = HWND;
  static Type invalid() { return nullptr; }
  static bool isEmpty(Type h) { return h == nullptr; }
  static bool close(Type h) { return DestroyWindow(h) != 0; }
};
using UniqueWindow = UniqueResource<WindowTraits>;

}  // namespace vellox::win32
