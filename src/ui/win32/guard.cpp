#include "ui/win32/guard.h"
#include "platform/win32/std_error.h"
#include "platform/win32/text.h"
#include "ui/win32/window_classes.h"

namespace vellox::win32 {

namespace {
// Per thread: the event handlers are all on the user-interface thread.
thread_local int depth = 0;
thread_local HWND wakeWindow = nullptr;
thread_local UINT wakeMessage = 0;
}  // namespace

void reportUnexpectedError(const std::string& what) noexcept {
  try {
    const std::string text = "An unexpected error occurred: " + what;
    writeStdError(text);
    const std::wstring caption = widen(programTitle(GetModuleHandleW(nullptr)));
    MessageBoxW(GetActiveWindow(), widen(text).c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
  } catch (...) {
  }
}

int handlerDepth() noexcept { return depth; }

void wakeWhenHandlersEnd(HWND window, UINT message) noexcept {
  wakeWindow = window;
  wakeMessage = message;
}

HandlerScope::HandlerScope() noexcept { ++depth; }

HandlerScope::~HandlerScope() {
  if (--depth > 0 || !wakeWindow) return;
  PostMessageW(wakeWindow, wakeMessage, 0, 0);
  wakeWindow = nullptr;
}

}  // namespace vellox::win32
