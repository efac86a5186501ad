#include "ui/win32/dialog_registry.h"
#include <algorithm>
#include <vector>

namespace vellox::win32 {

namespace {

struct Entry {
  HWND dialog;
  std::function<bool(const MSG&)> keyboard;
};

std::vector<Entry>& dialogs() {
  static std::vector<Entry> live;
  return live;
}

bool isKeyboardMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

void registerDialog(HWND dialog, std::function<bool(const MSG&)> keyboard) {
  unregisterDialog(dialog);
  dialogs().push_back({dialog, std::move(keyboard)});
}

void unregisterDialog(HWND dialog) {
  auto& live = dialogs();
  live.erase(std::remove_if(live.begin(), live.end(), [dialog](const Entry& e) { return e.dialog == dialog; }),
             live.end());
}

bool dispatchDialogMessage(MSG& msg) {
  // A copy: a handler run from here may open or close dialogs.
  const std::vector<Entry> live = dialogs();
  for (const Entry& entry : live) {
    if (!IsWindow(entry.dialog)) continue;
    if (msg.hwnd != entry.dialog && !IsChild(entry.dialog, msg.hwnd)) continue;
    if (entry.keyboard && isKeyboardMessage(msg.message) && entry.keyboard(msg)) return true;
    return IsDialogMessageW(entry.dialog, &msg) != 0;
  }
  return false;
}

}  // namespace vellox::win32

