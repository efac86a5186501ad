#include "input.h"
#include <vector>

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

bool send(std::vector<INPUT> inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  return sent == inputs.size();
}

}  // namespace

POINT centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

bool clickAt(POINT screen, MouseButton button) {
  const bool left = button == MouseButton::Left;
  return send({mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen),
               mouse(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
               mouse(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP)});
}

bool doubleClickAt(POINT screen) {
  return send({mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen), mouse(MOUSEEVENTF_LEFTDOWN),
               mouse(MOUSEEVENTF_LEFTUP), mouse(MOUSEEVENTF_LEFTDOWN), mouse(MOUSEEVENTF_LEFTUP)});
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
