#include "platform/win32/hand_off.h"
#include <windows.h>
#include "platform/win32/handle.h"
#include "platform/win32/text.h"

namespace vellox::win32 {

namespace {

// How long a later instance waits for the running one to start listening (it may be
// starting itself) and to take the text.
constexpr DWORD kFindWaitMs = 5000;
constexpr DWORD kFindRetryMs = 100;
constexpr UINT kSendTimeoutMs = 10000;

std::wstring className(const std::string& name) { return L"TarnVellox.HandOff." + widen(name); }

ULONG_PTR tag() { return RegisterWindowMessageW(L"TarnVellox.HandOff"); }

class Listener : public HandOffListener {
 public:
  Listener(const std::string& name, std::function<void(const std::string&)> received)
      : received_(std::move(received)), class_(className(name)) {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &Listener::procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = class_.c_str();
    RegisterClassExW(&wc);  // fails harmlessly when a listener before this one registered it
    hwnd_ = CreateWindowExW(0, class_.c_str(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this);
  }
  ~Listener() override {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Listener*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_COPYDATA && self) return self->take(*reinterpret_cast<const COPYDATASTRUCT*>(lparam));
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }

  LRESULT take(const COPYDATASTRUCT& data) {
    if (data.dwData != tag() || data.cbData % sizeof(wchar_t) != 0 || (data.cbData > 0 && !data.lpData))
      return FALSE;
    const std::wstring text(static_cast<const wchar_t*>(data.lpData), data.cbData / sizeof(wchar_t));
    if (received_) received_(narrow(text));
    return TRUE;
  }

  std::function<void(const std::string&)> received_;
  std::wstring class_;
  HWND hwnd_ = nullptr;
};

HWND findListener(const std::wstring& cls) {
  const ULONGLONG deadline = GetTickCount64() + kFindWaitMs;
  for (;;) {
    if (HWND hwnd = FindWindowExW(HWND_MESSAGE, nullptr, cls.c_str(), nullptr)) return hwnd;
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(kFindRetryMs);
  }
}

}  // namespace

bool handOffText(const std::string& name, const std::string& text) {
  // Nobody holds the name: nobody will listen.
  UniqueHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, widen(name).c_str()));
  if (!mutex) return false;
  HWND listener = findListener(className(name));
  if (!listener) return false;
  // The running instance may then bring its window forward, as this one was started by the user.
  DWORD process = 0;
  GetWindowThreadProcessId(listener, &process);
  AllowSetForegroundWindow(process);
  std::wstring wide = widen(text);
  COPYDATASTRUCT data{tag(), static_cast<DWORD>(wide.size() * sizeof(wchar_t)), wide.data()};
  DWORD_PTR result = FALSE;
  const LRESULT sent = SendMessageTimeoutW(listener, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  return sent != 0 && result == TRUE;
}

std::unique_ptr<HandOffListener> listenForHandOff(const std::string& name,
                                                  std::function<void(const std::string&)> received) {
  return std::make_unique<Listener>(name, std::move(received));
}

}  // namespace vellox::win32
