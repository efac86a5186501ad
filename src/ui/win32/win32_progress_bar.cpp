#include "ui/win32/win32_controls.h"
#include <commctrl.h>
#include <shobjidl.h>
#include <wrl/client.h>
#include <algorithm>
#include "platform/win32/com_scope.h"

namespace vellox::win32 {

// The taskbar's interface, asked for once; COM stays initialised on this thread while it is held.
struct Win32ProgressBar::Taskbar {
  ComScope com;
  Microsoft::WRL::ComPtr<ITaskbarList3> list;
  bool asked = false;

  ITaskbarList3* get() {
    if (!asked) {
      asked = true;
      if (!com.ok() || FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                               IID_PPV_ARGS(&list))) ||
          FAILED(list->HrInit()))
        list.Reset();
    }
    return list.Get();
  }
};

Win32ProgressBar::Win32ProgressBar() : taskbar_(std::make_unique<Taskbar>()) {}

Win32ProgressBar::~Win32ProgressBar() = default;

void Win32ProgressBar::setProgress(std::uint64_t done, std::uint64_t total) {
  SendMessageW(hwnd(), PBM_SETRANGE32, 0, 1000);
  SendMessageW(hwnd(), PBM_SETPOS, static_cast<WPARAM>(progressPermille(done, total)), 0);
  showOnTaskbar(done, total, true);
}

void Win32ProgressBar::clear() {
  SendMessageW(hwnd(), PBM_SETPOS, 0, 0);
  showOnTaskbar(0, 0, false);
}

int Win32ProgressBar::permille() const {
  return static_cast<int>(SendMessageW(hwnd(), PBM_GETPOS, 0, 0));
}

void Win32ProgressBar::showOnTaskbar(std::uint64_t done, std::uint64_t total, bool active) {
  HWND window = hwnd() ? GetAncestor(hwnd(), GA_ROOT) : nullptr;
  ITaskbarList3* list = window ? taskbar_->get() : nullptr;
  if (!list) return;
  if (!active) {
    list->SetProgressState(window, TBPF_NOPROGRESS);
    return;
  }
  list->SetProgressState(window, TBPF_NORMAL);
  list->SetProgressValue(window, std::min(done, total), total == 0 ? 1 : total);
}

}  // namespace vellox::win32
