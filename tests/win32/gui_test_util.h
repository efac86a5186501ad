#pragma once
#include <windows.h>
#include <commctrl.h>
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>
#include "platform/win32/text.h"

namespace vellox::test {

inline void initCommonControls() {
  INITCOMMONCONTROLSEX controls{sizeof(controls),
                                ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
}

// Handles every message queued for this thread right now.
inline void drainMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Runs this thread's messages until `done` holds or the time is up; the result is `done()`.
inline bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    drainMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// Waits on another thread for a visible top-level window of this process with
// the class (and caption, when given), then hands it to `act`. A modal loop on
// the test's own thread keeps running meanwhile.
class WindowWatcher {
 public:
  WindowWatcher(const wchar_t* windowClass, std::wstring caption, std::function<void(HWND)> act,
                int timeoutMs = 10000)
      : thread_([this, windowClass, caption, act, timeoutMs] {
          const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
          while (std::chrono::steady_clock::now() < end) {
            if (HWND found = findOwn(windowClass, caption)) {
              act(found);
              found_ = true;
              return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));  // polling interval, not a wait for a result
          }
        }) {}
  ~WindowWatcher() { join(); }
  void join() {
    if (thread_.joinable()) thread_.join();
  }
  // Waits for the watcher to finish; do not call while the watched window needs this thread.
  bool found() {
    join();
    return found_;
  }
  // Whether it has acted yet, without waiting.
  bool acted() const { return found_; }

  static HWND findOwn(const wchar_t* windowClass, const std::wstring& caption, bool visibleOnly = true) {
    HWND candidate = nullptr;
    while ((candidate = FindWindowExW(nullptr, candidate, windowClass, caption.empty() ? nullptr : caption.c_str()))) {
      DWORD process = 0;
      GetWindowThreadProcessId(candidate, &process);
      if (process == GetCurrentProcessId() && (!visibleOnly || IsWindowVisible(candidate))) return candidate;
    }
    return nullptr;
  }

 private:
  std::thread thread_;
  std::atomic<bool> found_{false};
};

inline std::string textOf(HWND hwnd) {
  wchar_t buffer[1024] = {};
  GetWindowTextW(hwnd, buffer, 1024);
  return win32::narrow(buffer);
}

// Presses keys in a popup menu (the menu loop reads the thread's keyboard messages).
inline void pressKeys(HWND target, const std::vector<WPARAM>& keys) {
  for (WPARAM key : keys) {
    PostMessageW(target, WM_KEYDOWN, key, 0);
    PostMessageW(target, WM_KEYUP, key, 0xC0000000);
  }
}

// Chooses item `index` (0-based) of an open popup menu of this process: the
// pointer goes onto the item, and once the menu shows it highlighted, Enter.
// Called from a watcher thread while the menu's loop runs on the test's thread.
inline bool chooseMenuItem(HWND popup, int index) {
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
  RECT item{};
  if (!menu || !GetMenuItemRect(nullptr, menu, static_cast<UINT>(index), &item)) return false;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!(GetMenuState(menu, static_cast<UINT>(index), MF_BYPOSITION) & MF_HILITE)) {
    if (std::chrono::steady_clock::now() > end) return false;
    SetCursorPos((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));  // polling interval
  }
  pressKeys(popup, {VK_RETURN});
  return true;
}

}  // namespace vellox::test
