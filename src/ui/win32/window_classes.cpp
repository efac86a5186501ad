#include "ui/win32/window_classes.h"
#include "platform/win32/text.h"
#include "ui/win32/resources/resource.h"
#include "ui/win32/window.h"

namespace vellox::win32 {

namespace {

void registerDialogClass(HINSTANCE module, const wchar_t* name) {
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof(cls);
  cls.lpfnWndProc = DefDlgProcW;
  cls.hInstance = module;
  cls.lpszClassName = name;
  cls.cbWndExtra = DLGWINDOWEXTRA;
  cls.hIcon = static_cast<HICON>(
      LoadImageW(module, MAKEINTRESOURCEW(IDI_VELLOX), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  cls.hIconSm = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_VELLOX), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                              LR_SHARED));
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  registerClass(cls);
}

}  // namespace

void registerWindowClasses(HINSTANCE module) {
  registerDialogClass(module, VELLOX_MAIN_CLASS);
  registerDialogClass(module, VELLOX_SPLASH_CLASS);
}

UniqueIcon loadProgramIcon(HINSTANCE module, int size) {
  return UniqueIcon(
      static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_VELLOX), IMAGE_ICON, size, size, 0)));
}

std::string programTitle(HINSTANCE module) {
  const wchar_t* text = nullptr;
  // With no buffer, LoadStringW points into the resource itself.
  const int length = LoadStringW(module, IDS_APP_TITLE, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 ? narrow(std::wstring(text, static_cast<size_t>(length))) : std::string();
}

}  // namespace vellox::win32
