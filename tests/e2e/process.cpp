#include "process.h"
#include <tlhelp32.h>
#include <vector>

namespace vellox::e2e {

Process Process::start(const std::wstring& exe, const std::wstring& arguments) {
  // CreateProcessW may write into the command line, so it gets its own buffer.
  std::wstring line = L"\"" + exe + L"\"";
  if (!arguments.empty()) line += L" " + arguments;
  std::vector<wchar_t> buffer(line.begin(), line.end());
  buffer.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return {};
  }
  win32::UniqueHandle thread(info.hThread);
  return Process(win32::UniqueHandle(info.hProcess), info.dwProcessId);
}

Process Process::open(DWORD id) {
  const DWORD rights = SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION;
  win32::UniqueHandle handle(OpenProcess(rights, FALSE, id));
  if (!handle) return {};
  return Process(std::move(handle), id);
}

bool Process::running() const {
  return handle_ && WaitForSingleObject(handle_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::waitForExit(Millis timeout) const {
  if (!handle_) return std::nullopt;
  if (WaitForSingleObject(handle_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  if (!GetExitCodeProcess(handle_.get(), &code)) return std::nullopt;
  return code;
}

bool Process::terminate(Millis timeout) const {
  if (!running()) return true;
  TerminateProcess(handle_.get(), 1);
  return waitForExit(timeout).has_value();
}

std::wstring exeFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::vector<DWORD> processesNamed(const std::wstring& name) {
  std::vector<DWORD> ids;
  win32::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return ids;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    if (lstrcmpiW(entry.szExeFile, name.c_str()) == 0) ids.push_back(entry.th32ProcessID);
  }
  return ids;
}

}  // namespace vellox::e2e
