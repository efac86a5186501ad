#pragma once
#include <windows.h>
#include <string>

namespace vellox::test {

inline std::wstring environmentVariable(const wchar_t* name) {
  wchar_t value[32768];
  const DWORD n = GetEnvironmentVariableW(name, value, 32768);
  return n ? std::wstring(value, n) : std::wstring();
}

// Emptying the bin deletes real files: only the test run's own trash may be used.
inline bool trashIsTheTestsOwn() {
  const std::wstring root = environmentVariable(L"VELLOX_TEST_ROOT");
  const std::wstring data = environmentVariable(L"XDG_DATA_HOME");
  return !root.empty() && data.size() > root.size() && data.compare(0, root.size(), root) == 0 &&
         data[root.size()] == L'/';
}

// Wine's Recycle Bin is the Linux user's $XDG_DATA_HOME/Trash, reached through Z:.
inline std::wstring trashFolder() {
  std::wstring path = L"Z:" + environmentVariable(L"XDG_DATA_HOME") + L"/Trash";
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

inline bool writeNewFile(const std::wstring& path, const std::string& text) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(h);
  return ok && written == text.size();
}

// Puts `name` into the bin as the Linux desktop does: the file and its .trashinfo.
inline bool putInTrash(const std::wstring& name) {
  const std::wstring trash = trashFolder();
  for (const wchar_t* folder : {L"", L"\\files", L"\\info"}) CreateDirectoryW((trash + folder).c_str(), nullptr);
  const std::string info = "[Trash Info]\nPath=/tmp/" + std::string(name.begin(), name.end()) +
                           "\nDeletionDate=2026-12-07T21:00:00\n";
  return writeNewFile(trash + L"\\files\\" + name, "old data") &&
         writeNewFile(trash + L"\\info\\" + name + L".trashinfo", info);
}

// Whether the file or its .trashinfo is still in the bin.
inline bool inTrash(const std::wstring& name) {
  const std::wstring trash = trashFolder();
  return GetFileAttributesW((trash + L"\\files\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES ||
         GetFileAttributesW((trash + L"\\info\\" + name + L".trashinfo").c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace vellox::test
