#include "input.h"
#include <chrono>
#include <cstdlib>
#include <vector>
#include "wait.h"

namespace vellox::e2e {
namespace {

INPUT mouse(DWORD flags, POINT screen = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    // Absolute input is in 0..65535 across the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = MulDiv(screen.x, 65535, width > 1 ? width - 1 : 1);
    input.mi.dy = MulDiv(screen.y, 65535, height > 1 ? height - 1 : 1);
  }
  return input;
}

INPUT key(WORD virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Two clicks of one button close together in time and place make a double-click,
// which a person clicking twice would not. Each thread pairs clicks on its own
// windows, so a click on the tray can pair with an earlier one there even when a
// menu was clicked in between: the driver remembers its recent clicks and waits
// out the double-click time before clicking near one of them again.
struct Click {
  std::chrono::steady_clock::time_point when;
  POINT where;
  bool left;
};
std::vector<Click> recentClicks;

void avoidDoubleClick(POINT screen, bool left) {
  const auto now = std::chrono::steady_clock::now();
  const Millis pairing(GetDoubleClickTime() + 50);
  std::erase_if(recentClicks, [&](const Click& c) { return now - c.when > pairing; });
  for (const Click& c : recentClicks) {
    const bool close = std::abs(screen.x - c.where.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                       std::abs(screen.y - c.where.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    if (close && c.left == left) {
      const auto quiet = c.when + pairing;
      waitUntil([&] { return std::chrono::steady_clock::now() >= quiet; }, pairing);
    }
  }
}

void remember(POINT screen, bool left) {
  recentClicks.push_back({std::chrono::steady_clock::now(), screen, left});
}

bool send(std::vector<INPUT> inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  return sent == inputs.size();
}

}  // namespace

POINT centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

bool clickAt(POINT screen, MouseButton button) {
  const bool left = button == MouseButton::Left;
  avoidDoubleClick(screen, left);
  const bool sent = send({mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen),
               mouse(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
               mouse(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP)});
  remember(screen, left);
  return sent;
}

bool doubleClickAt(POINT screen) {
  avoidDoubleClick(screen, true);
  const bool sent = send({mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen), mouse(MOUSEEVENTF_LEFTDOWN),
                          mouse(MOUSEEVENTF_LEFTUP), mouse(MOUSEEVENTF_LEFTDOWN), mouse(MOUSEEVENTF_LEFTUP)});
  remember(screen, true);
  return sent;
}

bool pressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD k : keys) {
    inputs.push_back(key(k, false));
    inputs.push_back(key(k, true));
  }
  return send(std::move(inputs));
}

}  // namespace vellox::e2e
