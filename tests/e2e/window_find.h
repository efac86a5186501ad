#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include <vector>
#include "wait.h"

namespace vellox::e2e {

// What a top-level window must match; empty fields match anything.
struct WindowQuery {
  std::wstring caption;
  std::wstring className;
  DWORD processId = 0;
  bool visibleOnly = true;
};

std::wstring windowText(HWND window);
std::wstring windowClass(HWND window);
DWORD windowProcess(HWND window);
std::vector<HWND> topLevelWindows(const WindowQuery& query);
// Polls until a matching top-level window exists; nullptr when none came in time.
HWND findTopLevel(const WindowQuery& query, Millis timeout);
// Polls until no matching top-level window is left.
bool waitUntilGone(const WindowQuery& query, Millis timeout);

// Every descendant of parent with this control ID (IDs may repeat across pages).
std::vector<HWND> descendantsWithId(HWND parent, int id);
// The first descendant with this ID, or nullptr.
HWND findControl(HWND parent, int id);

// A standard message box ("#32770") as the user sees it.
struct MessageBoxView {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;
  HWND iconControl = nullptr;  // the control showing the box's icon, if it shows one
  std::vector<std::wstring> buttons;
};

inline constexpr const wchar_t* kDialogClass = L"#32770";

// Polls for a visible message box of processId with this caption.
std::optional<MessageBoxView> findMessageBox(DWORD processId, const std::wstring& caption,
                                             Millis timeout);
MessageBoxView readMessageBox(HWND box);
// Presses the button with this ID (IDOK, IDCANCEL...) as a click would.
bool pressButton(HWND dialog, int buttonId);

}  // namespace vellox::e2e
