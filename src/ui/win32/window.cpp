#include "ui/win32/window.h"
#include <stdexcept>
#include "ui/win32/guard.h"

namespace vellox::win32 {

namespace {

// Messages whose dialog procedure returns the answer itself instead of through DWLP_MSGRESULT.
bool answersDirectly(UINT message) {
  return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || message == WM_INITDIALOG ||
         message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
         message == WM_QUERYDRAGICON;
}

}  // namespace

void throwLastError(const std::string& what) {
  const DWORD code = GetLastError();
  throw std::runtime_error(what + " (Windows error " + std::to_string(code) + ")");
}

void registerClass(const WNDCLASSEXW& cls) {
  if (!RegisterClassExW(&cls) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throwLastError("the window class could not be registered");
}

void Window::create(HINSTANCE module, const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                    HWND parent) {
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof(cls);
  cls.lpfnWndProc = windowProc;
  cls.hInstance = module;
  cls.lpszClassName = className;
  registerClass(cls);
  CreateWindowExW(exStyle, className, title, style, 0, 0, 0, 0, parent, nullptr, module, this);
  if (!hwnd_) throwLastError("a window could not be created");
}

void Window::destroy() {
  if (!hwnd_) return;
  SetWindowLongPtrW(hwnd_.get(), GWLP_USERDATA, 0);
  hwnd_.reset();
}

std::optional<LRESULT> Window::dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LPARAM created) {
  if (created) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, created);
    reinterpret_cast<Window*>(created)->hwnd_.reset(hwnd);
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return std::nullopt;
  if (message == WM_NCDESTROY) {
    // Destroyed from outside (with its parent, say): the handle is no longer ours.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_.release();
    return std::nullopt;
  }
  std::optional<LRESULT> answer;
  // The handler may destroy this object: nothing of it is used afterwards.
  guarded([&] { answer = self->onMessage(message, wParam, lParam); });
  return answer;
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const LPARAM created =
      message == WM_NCCREATE ? reinterpret_cast<LPARAM>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams)
                             : 0;
  const std::optional<LRESULT> answer = dispatch(hwnd, message, wParam, lParam, created);
  return answer ? *answer : DefWindowProcW(hwnd, message, wParam, lParam);
}

void Dialog::createDialog(HINSTANCE module, int templateId, HWND parent) {
  CreateDialogParamW(module, MAKEINTRESOURCEW(templateId), parent, dialogProc, reinterpret_cast<LPARAM>(this));
  if (!hwnd()) throwLastError("a window could not be created");
}

INT_PTR CALLBACK Dialog::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // A dialog's object is Window-derived: the pointer stored is that of its Window base.
  const LPARAM created = message == WM_INITDIALOG ? reinterpret_cast<LPARAM>(static_cast<Window*>(
                                                        reinterpret_cast<Dialog*>(lParam)))
                                                  : 0;
  const std::optional<LRESULT> answer = dispatch(hwnd, message, wParam, lParam, created);
  if (!answer) return FALSE;
  if (answersDirectly(message)) return static_cast<INT_PTR>(*answer);
  SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, *answer);
  return TRUE;
}

}  // namespace vellox::win32
