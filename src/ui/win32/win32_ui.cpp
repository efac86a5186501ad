#include <deque>
#include <mutex>
#include <windows.h>
#include "platform/win32/dialogs.h"
#include "platform/win32/std_error.h"
#include "platform/win32/text.h"
#include "ui/win32/dialog_registry.h"
#include "ui/win32/guard.h"
#include "ui/win32/win32_ui.h"
#include "ui/win32/window.h"

namespace vellox::win32 {

namespace {

const UINT kRunTasks = WM_APP + 30;
const wchar_t* kTaskWindowClass = L"TarnVelloxTasks";
// doEvents handles what is queued, not a stream that never ends.
const int kMaxMessagesPerPump = 10000;

class Win32Ui : public Ui, public Window {
 public:
  // A message-only window: modal loops (message boxes, menus) dispatch its
  // posted messages too, so tasks run inside them when no handler is running.
  Win32Ui() { create(GetModuleHandleW(nullptr), kTaskWindowClass, L"", 0, 0, HWND_MESSAGE); }

  MsgAnswer messageBox(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons,
                       std::uintptr_t owner) override {
    HWND parent = owner ? reinterpret_cast<HWND>(owner) : GetActiveWindow();
    const UINT style = static_cast<UINT>(icon) | static_cast<UINT>(buttons) | MB_SETFOREGROUND;
    const int answer = MessageBoxW(parent, widen(text).c_str(), widen(caption).c_str(), style);
    if (answer == 0) {
      // No box could be shown (no display): say it where it can still be read, and
      // answer as the safe choice, Cancel.
      writeStdError(text);
      return MsgAnswer::Cancel;
    }
    return static_cast<MsgAnswer>(answer);
  }

  std::optional<std::string> openFileDialog(std::uintptr_t owner, const std::string& filter,
                                            const std::string& initialName) override {
    return showOpenFileDialog(reinterpret_cast<HWND>(owner), filter, initialName);
  }

  std::string browseForFolder(const std::string& initialFolder, std::uintptr_t owner,
                              const std::string& title) override {
    return win32::browseForFolder(initialFolder, reinterpret_cast<HWND>(owner), title);
  }

  void doEvents() override {
    MSG msg;
    for (int handled = 0; handled < kMaxMessagesPerPump && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++handled) {
      if (msg.message == WM_QUIT) {
        // Leave it for the main loop, which ends the program.
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      if (!dispatchDialogMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
  }

  // From any thread: the wipe worker reports this way.
  void post(std::function<void()> task) override {
    {
      std::lock_guard lock(mutex_);
      tasks_.push_back(std::move(task));
    }
    PostMessageW(hwnd(), kRunTasks, 0, 0);
  }

  void quit() override { PostQuitMessage(0); }

 private:
  std::optional<LRESULT> onMessage(UINT message, WPARAM, LPARAM) override {
    if (message != kRunTasks) return std::nullopt;
    runTasks();
    return 0;
  }

  // "After the current event": while a handler runs (and pumps messages, or
  // waits in a message box) the tasks wait, since one of them may destroy the
  // window that handler works on. One at a time from the front otherwise.
  void runTasks() {
    // This message's own handler is one of them.
    if (handlerDepth() > 1) {
      wakeWhenHandlersEnd(hwnd(), kRunTasks);
      return;
    }
    while (std::function<void()> task = nextTask()) guarded(task);
  }

  std::function<void()> nextTask() {
    std::lock_guard lock(mutex_);
    if (tasks_.empty()) return nullptr;
    std::function<void()> task = std::move(tasks_.front());
    tasks_.pop_front();
    return task;
  }

  std::mutex mutex_;
  std::deque<std::function<void()>> tasks_;
};

}  // namespace

std::unique_ptr<Ui> makeUi() { return std::make_unique<Win32Ui>(); }

}  // namespace vellox::win32
