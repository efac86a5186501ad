#pragma once
#include <objbase.h>

namespace vellox::win32 {

// One COM initialisation of this thread for one scope (apartment-threaded by default).
class ComScope {
 public:
  explicit ComScope(DWORD model = COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
      : result_(CoInitializeEx(nullptr, model)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  // S_FALSE (already initialised in this model) counts as success.
  bool ok() const { return SUCCEEDED(result_); }
  HRESULT result() const { return result_; }

 private:
  HRESULT result_;
};

}  // namespace vellox::win32
