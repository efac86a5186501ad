#pragma once
#include <exception>
#include <string>

namespace vellox::win32 {

// Shows an error that escaped an event handler; the program goes on.
void reportUnexpectedError(const std::string& what) noexcept;

// Runs an event handler at a window-procedure or message-loop boundary, which
// no exception may cross.
template <class F>
void guarded(F&& handler) noexcept {
  try {
    handler();
  } catch (const std::exception& e) {
    reportUnexpectedError(e.what());
  } catch (...) {
    reportUnexpectedError("unknown error");
  }
}

}  // namespace vellox::win32
