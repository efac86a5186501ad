#include <windows.h>
#include <tlhelp32.h>
#include <memory>
#include "platform/processes.h"
#include "platform/win32/handle.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"

namespace vellox::win32 {

namespace {

// PROCESS_QUERY_LIMITED_INFORMATION is granted on other users' and elevated processes too,
// except protected ones, which then keep an empty path.
std::string imagePathOf(DWORD id) {
  UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
  if (!process) return {};
  std::wstring path(32768, L'\0');
  DWORD size = static_cast<DWORD>(path.size());
  if (!QueryFullProcessImageNameW(process.get(), 0, path.data(), &size)) return {};
  path.resize(size);
  return narrow(path);
}

class Win32Processes : public Processes {
 public:
  std::vector<RunningProgram> running() override {
    std::vector<RunningProgram> found;
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return found;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
      found.push_back({narrow(entry.szExeFile), imagePathOf(entry.th32ProcessID)});
    return found;
  }
};

}  // namespace

std::unique_ptr<Processes> makeProcesses() { return std::make_unique<Win32Processes>(); }

}  // namespace vellox::win32
