#pragma once
#include <windows.h>
#include <string>
#include "files_temp_dir.h"
#include "platform/win32/handle.h"

namespace vellox::test {

// A Linux symbolic link to a folder, as a user's `ln -s` makes it (Wine's own CreateSymbolicLinkW
// makes nothing), removed as a name at the end: the temporary folder's clean-up would walk it.
class UnixLink {
 public:
  UnixLink(const std::string& target, const std::string& link) : link_(link) {
    const auto cut = link.find_last_of('\\');
    const std::string to = unixPathOf(target), folder = unixPathOf(link.substr(0, cut));
    if (to.empty() || folder.empty()) return;
    unixLink_ = folder + "/" + link.substr(cut + 1);
    if (run("/bin/ln -s \"" + to + "\" \"" + unixLink_ + "\"")) made_ = waitFor(true);
  }
  ~UnixLink() {
    if (!unixLink_.empty() && run("/bin/rm -f \"" + unixLink_ + "\"")) waitFor(false);
  }
  UnixLink(const UnixLink&) = delete;
  UnixLink& operator=(const UnixLink&) = delete;
  // Whether Wine shows a link there.
  bool made() const { return made_; }

 private:
  static std::string unixPathOf(const std::string& path) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    char* name = unixName ? unixName(toWide(path).c_str()) : nullptr;
    const std::string text = name ? name : "";
    if (name) HeapFree(GetProcessHeap(), 0, name);
    return text;
  }
  static bool run(const std::string& commandLine) {
    std::wstring command = toWide(commandLine);
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
      return false;
    const win32::UniqueHandle thread(process.hThread), owned(process.hProcess);
    return true;
  }
  // Wine cannot wait for a Linux process: the link is watched for instead.
  bool waitFor(bool present) const {
    for (const ULONGLONG end = GetTickCount64() + 10000; GetTickCount64() < end; Sleep(10)) {
      const DWORD found = GetFileAttributesW(longForm(link_).c_str());
      if ((found != INVALID_FILE_ATTRIBUTES && (found & FILE_ATTRIBUTE_REPARSE_POINT)) == present) return true;
    }
    return false;
  }

  std::string link_, unixLink_;
  bool made_ = false;
};

}  // namespace vellox::test
