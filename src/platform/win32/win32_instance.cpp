#include <windows.h>
#include "platform/program_folder.h"
#include "platform/win32/hand_off.h"
#include "platform/win32/handle.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"

namespace vellox::win32 {

namespace {

// Holds the named mutex for the life of the process.
class MutexLock : public InstanceLock {
 public:
  explicit MutexLock(UniqueHandle mutex) : mutex_(std::move(mutex)) {}

 private:
  UniqueHandle mutex_;
};

std::wstring modulePath() {
  // Long paths do not fit MAX_PATH: grow until the name is not cut.
  for (DWORD size = MAX_PATH; size <= 65536; size *= 2) {
    std::wstring buffer(size, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) return {};
    if (length < size) {
      buffer.resize(length);
      return buffer;
    }
  }
  return {};
}

class Win32Instance : public Instance {
 public:
  std::unique_ptr<InstanceLock> acquire(const std::string& name) override {
    UniqueHandle mutex(CreateMutexW(nullptr, FALSE, widen(name).c_str()));
    const DWORD error = GetLastError();
    if (mutex && error == ERROR_ALREADY_EXISTS) return nullptr;
    // Access denied: the mutex exists but was made by the other instance with other rights.
    if (!mutex && error == ERROR_ACCESS_DENIED) return nullptr;
    // Any other failure leaves the instance undetectable: run rather than refuse to.
    return std::make_unique<MutexLock>(std::move(mutex));
  }

  bool handOff(const std::string& name, const std::string& text) override { return handOffText(name, text); }

  std::unique_ptr<HandOffListener> listen(const std::string& name,
                                          std::function<void(const std::string&)> received) override {
    return listenForHandOff(name, std::move(received));
  }

  std::string programFolder() override { return folderOfPath(narrow(modulePath())); }
};

}  // namespace

std::unique_ptr<Instance> makeInstance() { return std::make_unique<Win32Instance>(); }

}  // namespace vellox::win32
