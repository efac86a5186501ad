#pragma once
#include <windows.h>
#include <string>
#include "files_temp_dir.h"

namespace vellox::test {

// Wine's path on the Linux side for a Windows path; empty outside Wine.
inline std::string unixPathOf(const std::string& path) {
  using UnixName = char*(CDECL*)(LPCWSTR);
  auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (!unixName) return "";
  char* name = unixName(toWide(path).c_str());
  if (!name) return "";
  std::string text = name;
  HeapFree(GetProcessHeap(), 0, name);
  return text;
}

// Starts a Linux program of the machine Wine runs on.
inline bool runUnix(const std::string& commandLine) {
  std::wstring command = toWide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

// A Linux symbolic link to a folder, as a user's `ln -s` makes it (Wine's own CreateSymbolicLinkW
// makes nothing), removed as a name at the end: the temporary folder's clean-up would walk it.
class UnixLink {
 public:
  UnixLink(const std::string& target, const std::string& link) {
    const auto cut = link.find_last_of('\\');
    const std::string to = unixPathOf(target), folder = unixPathOf(link.substr(0, cut));
    if (to.empty() || folder.empty()) return;
    unixLink_ = folder + "/" + link.substr(cut + 1);
    link_ = link;
    if (!runUnix("/bin/ln -s " + to + " " + unixLink_)) return;
    // Wine cannot wait for a Linux process: the link is watched for instead.
    for (const ULONGLONG end = GetTickCount64() + 10000; !made_ && GetTickCount64() < end; Sleep(10)) {
      const DWORD attributes = GetFileAttributesW(longForm(link).c_str());
      made_ = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    }
  }
  ~UnixLink() {
    if (unixLink_.empty() || !runUnix("/bin/rm -f " + unixLink_)) return;
    for (const ULONGLONG end = GetTickCount64() + 10000; GetTickCount64() < end; Sleep(10))
      if (GetFileAttributesW(longForm(link_).c_str()) == INVALID_FILE_ATTRIBUTES) break;
  }
  UnixLink(const UnixLink&) = delete;
  UnixLink& operator=(const UnixLink&) = delete;
  // Whether Wine shows a link there.
  bool made() const { return made_; }

 private:
  std::string link_, unixLink_;
  bool made_ = false;
};

}  // namespace vellox::test
