#pragma once
#include <functional>
#include <windows.h>

namespace vellox::win32 {

// The live modeless dialogs of this thread. The message loop offers each message
// to them so that Tab, the arrow keys and the & accelerators work.
// `keyboard`, when given, sees the dialog's keyboard messages first (shortcuts
// the dialog manager does not know, such as Ctrl+Tab); true consumes the message.
void registerDialog(HWND dialog, std::function<bool(const MSG&)> keyboard = {});
void unregisterDialog(HWND dialog);

// True when a registered dialog took the message (it must not be dispatched again).
bool dispatchDialogMessage(MSG& msg);

}  // namespace vellox::win32
