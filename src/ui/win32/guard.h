#pragma once
#include <exception>
#include <string>
#include <windows.h>

namespace vellox::win32 {

// Shows an error that escaped an event handler; the program goes on.
void reportUnexpectedError(const std::string& what) noexcept;

// How many event handlers of this thread are running, one inside another (a
// handler that pumps messages or opens a modal box lets others run).
int handlerDepth() noexcept;
// Once no handler runs any more, `message` is posted to `window`, once.
void wakeWhenHandlersEnd(HWND window, UINT message) noexcept;

// Counts one running handler for its scope.
class HandlerScope {
 public:
  HandlerScope() noexcept;
  ~HandlerScope();
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;
};

// Runs an event handler at a window-procedure or message-loop boundary, which
// no exception may cross.
template <class F>
void guarded(F&& handler) noexcept {
  HandlerScope scope;
  try {
    handler();
  } catch (const std::exception& e) {
    reportUnexpectedError(e.what());
  } catch (...) {
    reportUnexpectedError("unknown error");
  }
}

}  // namespace vellox::win32
