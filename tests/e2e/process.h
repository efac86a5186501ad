#pragma once
#include <windows.h>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include "platform/win32/handle.h"
#include "wait.h"

namespace vellox::e2e {

// A process the driver started or found. Owns the process handle; ending the
// process is explicit (terminate), so a test decides what happens to it.
class Process {
 public:
  Process() = default;
  Process(win32::UniqueHandle handle, DWORD id) : handle_(std::move(handle)), id_(id) {}

  // Starts exe with a command-line tail; an empty Process when it cannot start.
  static Process start(const std::wstring& exe, const std::wstring& arguments = L"");
  // Opens a running process by id, with the rights the driver needs.
  static Process open(DWORD id);

  explicit operator bool() const { return static_cast<bool>(handle_); }
  DWORD id() const { return id_; }
  HANDLE handle() const { return handle_.get(); }
  bool running() const;
  // The exit code once the process has ended within the timeout.
  std::optional<DWORD> waitForExit(Millis timeout) const;
  // Ends the process and waits for it to be gone.
  bool terminate(Millis timeout = Millis(5000)) const;

 private:
  win32::UniqueHandle handle_;
  DWORD id_ = 0;
};

// The folder holding the running executable, with a trailing backslash.
std::wstring exeFolder();
// Ids of the running processes whose image name is name (case-insensitive).
std::vector<DWORD> processesNamed(const std::wstring& name);

}  // namespace vellox::e2e
