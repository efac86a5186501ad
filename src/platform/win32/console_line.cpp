#include "platform/win32/console_line.h"
#include <windows.h>
#include <atomic>
#include "platform/win32/handle.h"
#include "platform/win32/text.h"

namespace vellox::win32 {

namespace {

std::atomic<bool> stopAsked{false};

BOOL WINAPI onConsoleControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  stopAsked = true;
  return TRUE;
}

// The parent's console, attached once; empty when there is none.
HANDLE parentConsole() {
  static const UniqueHandle console = [] {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return UniqueHandle();
    SetConsoleCtrlHandler(onConsoleControl, TRUE);
    return UniqueHandle(CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
  }();
  return console.get();
}

}  // namespace

void sayOnConsole(const std::string& line) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (out && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN) {
    const std::string text = line + "\r\n";
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  HANDLE console = parentConsole();
  if (!console || console == INVALID_HANDLE_VALUE) return;
  const std::wstring text = widen(line) + L"\r\n";
  WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

bool consoleAskedToStop() {
  parentConsole();
  return stopAsked;
}

}  // namespace vellox::win32
