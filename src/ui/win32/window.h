#pragma once
#include <optional>
#include <string>
#include <windows.h>
#include "platform/win32/handle.h"

namespace vellox::win32 {

// Throws `what` failed, with the calling thread's last Windows error code.
[[noreturn]] void throwLastError(const std::string& what);

// Registers a window class; one already registered is fine, any other failure throws.
void registerClass(const WNDCLASSEXW& cls);

// A window this object owns. The window procedure finds the object from the
// window, hands it each message inside guarded(), and lets go of it at
// WM_NCDESTROY. Destroying the object destroys the window first, and no message
// reaches the object from then on. The derived class creates the window in its
// own constructor, so that the messages of creation reach its onMessage.
class Window {
 public:
  virtual ~Window() { destroy(); }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  HWND hwnd() const { return hwnd_.get(); }

 protected:
  Window() = default;
  // A window of the class `className`, registered here on first use.
  void create(HINSTANCE module, const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
              HWND parent);
  // Destroys the window now, without a message reaching this object.
  void destroy();
  // The answer to a message, or nullopt for the default processing.
  virtual std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Shared by both procedures: `created` is the object on the first message.
  static std::optional<LRESULT> dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LPARAM created);

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  UniqueWindow hwnd_;
};

// A modeless dialog from a template this object owns.
class Dialog : public Window {
 protected:
  void createDialog(HINSTANCE module, int templateId, HWND parent);

 private:
  static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace vellox::win32
