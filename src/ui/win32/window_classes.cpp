#include "ui/win32/window_classes.h"
#include "ui/win32/resources/resource.h"

namespace vellox::win32 {

namespace {

bool registered(HINSTANCE module, const wchar_t* name) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  return GetClassInfoExW(module, name, &existing) != FALSE;
}

WNDCLASSEXW classOf(HINSTANCE module, const wchar_t* name, WNDPROC proc) {
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof(cls);
  cls.lpfnWndProc = proc;
  cls.hInstance = module;
  cls.lpszClassName = name;
  return cls;
}

void registerDialogClass(HINSTANCE module, const wchar_t* name) {
  if (registered(module, name)) return;
  WNDCLASSEXW cls = classOf(module, name, DefDlgProcW);
  cls.cbWndExtra = DLGWINDOWEXTRA;
  cls.hIcon = static_cast<HICON>(
      LoadImageW(module, MAKEINTRESOURCEW(IDI_VELLOX), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  cls.hIconSm = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_VELLOX), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                              LR_SHARED));
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassExW(&cls);
}

}  // namespace

void registerWindowClass(HINSTANCE module, const wchar_t* name, WNDPROC proc) {
  if (registered(module, name)) return;
  const WNDCLASSEXW cls = classOf(module, name, proc);
  RegisterClassExW(&cls);
}

void registerWindowClasses(HINSTANCE module) {
  registerDialogClass(module, VELLOX_MAIN_CLASS);
  registerDialogClass(module, VELLOX_SPLASH_CLASS);
}

HICON loadProgramIcon(HINSTANCE module, int size) {
  return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_VELLOX), IMAGE_ICON, size, size, 0));
}

}  // namespace vellox::win32
