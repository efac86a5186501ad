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

// Under Wine the X server owns the pointer: a process that reads the position
// more than 100 ms after its own last move asks the server, and puts the Windows
// cursor back where the X pointer is. An injected move does not always reach the
// X pointer (not while a menu holds it), so the pointer is moved by the X server
// itself through xdotool, and the click waits until Wine reports it there.
bool pointerSettledAt(POINT screen, std::chrono::steady_clock::time_point since) {
  POINT now{};
  return std::chrono::steady_clock::now() - since > Millis(120) && GetCursorPos(&now) && now.x == screen.x &&
         now.y == screen.y;
}

void askXServerToMove(POINT screen) {
  // Wine starts the Unix program but gives no handle for it; the wait is on the pointer.
  std::wstring line = L"xdotool mousemove " + std::to_wstring(screen.x) + L" " + std::to_wstring(screen.y);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (CreateProcessW(L"Z:\\usr\\bin\\xdotool", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &info)) {
    if (info.hThread != nullptr) CloseHandle(info.hThread);
    if (info.hProcess != nullptr) CloseHandle(info.hProcess);
  }
}

bool movePointer(POINT screen) {
  auto since = std::chrono::steady_clock::now();
  if (!send({mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen)})) return false;
  if (waitUntil([&] { return pointerSettledAt(screen, since); }, Millis(300))) return true;
  for (int attempt = 0; attempt < 3; ++attempt) {
    since = std::chrono::steady_clock::now();
    askXServerToMove(screen);
    if (waitUntil([&] { return pointerSettledAt(screen, since); }, Millis(2000))) return true;
  }
  return false;
}

bool clickAt(POINT screen, MouseButton button) {
  const bool left = button == MouseButton::Left;
  avoidDoubleClick(screen, left);
  if (!movePointer(screen)) return false;
  const bool sent = send({mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen),
               mouse(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
               mouse(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP)});
  remember(screen, left);
  return sent;
}

bool doubleClickAt(POINT screen) {
  avoidDoubleClick(screen, true);
  if (!movePointer(screen)) return false;
  const bool sent = send({mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen), mouse(MOUSEEVENTF_LEFTDOWN),
                          mouse(MOUSEEVENTF_LEFTUP), mouse(MOUSEEVENTF_LEFTDOWN), mouse(MOUSEEVENTF_LEFTUP)});
  remember(screen, true);
  return sent;
}

void rememberOutsideClick(POINT screen, MouseButton button) { remember(screen, button == MouseButton::Left); }

bool pressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD k : keys) {
    inputs.push_back(key(k, false));
    inputs.push_back(key(k, true));
  }
  return send(std::move(inputs));
}

}  // namespace vellox::e2e
