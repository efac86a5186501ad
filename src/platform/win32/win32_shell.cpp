#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include "platform/win32/com_scope.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"

namespace vellox::win32 {

DWORD recycleBinFlags(bool shown) {
  return SHERB_NOCONFIRMATION | (shown ? 0 : SHERB_NOPROGRESSUI | SHERB_NOSOUND);
}

namespace {

class Win32Shell : public Shell {
 public:
  bool emptyRecycleBin(bool shown) override {
    return SUCCEEDED(SHEmptyRecycleBinW(nullptr, nullptr, recycleBinFlags(shown)));
  }

  bool openUrl(const std::string& url) override {
    const HINSTANCE result = ShellExecuteW(nullptr, nullptr, widen(url).c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
    // ShellExecute reports success as a value above 32.
    return reinterpret_cast<INT_PTR>(result) > 32;
  }

  bool clipboardHasData() override { return CountClipboardFormats() > 0; }

  bool emptyClipboard() override {
    if (!OpenClipboard(nullptr)) return false;
    const bool emptied = EmptyClipboard() != FALSE;
    CloseClipboard();
    return emptied;
  }

  // May run on the worker, whose thread has no COM of its own.
  void clearRecentDocuments() override {
    ComScope com;
    SHAddToRecentDocs(SHARD_PIDL, nullptr);
  }
};

}  // namespace

std::unique_ptr<Shell> makeShell() { return std::make_unique<Win32Shell>(); }

}  // namespace vellox::win32
