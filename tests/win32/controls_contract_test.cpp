#include "contracts/controls_contract.h"
#include "gui_test_util.h"
#include "ui/win32/main_window.h"

// The real window's controls against the contract the headless ones keep natively.
namespace vellox::test {
namespace {

HWND hwndOf(const Control& control) { return dynamic_cast<const win32::NativeControl&>(control).hwnd(); }

void clickAt(HWND hwnd, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
  SendMessageW(hwnd, WM_LBUTTONUP, 0, where);
}

struct Win32Side {
  Win32Side() {
    initCommonControls();
    view.show();
  }
  MainControls& c() { return view.controls(); }
  void click(Control& control) { SendMessageW(hwndOf(control), BM_CLICK, 0, 0); }
  void click(Label& label) { clickAt(hwndOf(label), {2, 2}); }
  void clickTab(int index) {
    RECT item{};
    SendMessageW(view.SSTab1.hwnd(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    clickAt(view.SSTab1.hwnd(), {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  }
  // A click on the row's check box, at the left end of the row.
  void clickCheck(ListView& list, std::size_t row) {
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    SendMessageW(hwndOf(list), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
    clickAt(hwndOf(list), {bounds.left + 8, (bounds.top + bounds.bottom) / 2});
  }
  win32::Win32MainView view{GetModuleHandleW(nullptr)};
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ControlsContract, Win32Side);

}  // namespace
}  // namespace vellox::test
