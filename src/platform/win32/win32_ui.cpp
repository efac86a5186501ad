#include <deque>
#include <windows.h>
#include "platform/win32/dialogs.h"
#include "platform/win32/std_error.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"
#include "ui/win32/dialog_registry.h"
#include "ui/win32/guard.h"
#include "ui/win32/window_classes.h"

namespace vellox::win32 {

namespace {

const UINT kRunTasks = WM_APP + 30;
const wchar_t* kTaskWindowClass = L"TarnVelloxTasks";
// doEvents handles what is queued, not a stream that never ends.
const int kMaxMessagesPerPump = 10000;

class Win32Ui : public Ui {
 public:
  Win32Ui() {
    HINSTANCE module = GetModuleHandleW(nullptr);
    registerWindowClass(module, kTaskWindowClass, proc);
    // A message-only window: modal loops (message boxes, menus) dispatch its
    // posted messages too, so tasks run inside them when no handler is running.
    window_ = CreateWindowExW(0, kTaskWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module, this);
  }
  ~Win32Ui() override {
    if (window_) {
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      DestroyWindow(window_);
    }
  }
  Win32Ui(const Win32Ui&) = delete;
  Win32Ui& operator=(const Win32Ui&) = delete;

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

  void post(std::function<void()> task) override {
    tasks_.push_back(std::move(task));
    if (window_) PostMessageW(window_, kRunTasks, 0, 0);
  }

  void quit() override { PostQuitMessage(0); }

 private:
  static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* ui = reinterpret_cast<Win32Ui*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (ui && message == kRunTasks) {
      ui->runTasks();
      return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  // "After the current event": while a handler runs (and pumps messages, or
  // waits in a message box) the tasks wait, since one of them may destroy the
  // window that handler works on. One at a time from the front otherwise.
  void runTasks() {
    if (handlerDepth() > 0) {
      wakeWhenHandlersEnd(window_, kRunTasks);
      return;
    }
    while (!tasks_.empty()) {
      std::function<void()> task = std::move(tasks_.front());
      tasks_.pop_front();
      guarded(task);
    }
  }

  HWND window_ = nullptr;
  std::deque<std::function<void()>> tasks_;
};

}  // namespace

std::unique_ptr<Ui> makeUi() { return std::make_unique<Win32Ui>(); }

}  // namespace vellox::win32
