#include "platform/win32/nt_files.h"
#include <winternl.h>
#include <cstddef>
#include <cstring>
#include <vector>

namespace vellox::win32 {

namespace {

constexpr ULONG kOpenReparsePoint = 0x00200000, kSynchronousIo = 0x20, kBackupIntent = 0x4000;
constexpr ULONG kCaseInsensitive = 0x40;

UNICODE_STRING countedString(const std::wstring& text) {
  UNICODE_STRING counted{};
  counted.Buffer = const_cast<PWSTR>(text.c_str());
  counted.Length = counted.MaximumLength = static_cast<USHORT>(text.size() * sizeof(wchar_t));
  return counted;
}

}  // namespace

LONG ntOpen(HANDLE root, const std::wstring& name, ACCESS_MASK access, ULONG share, ULONG options, bool caseBlind,
            UniqueHandle& opened) {
  if (name.size() * sizeof(wchar_t) > 0xFFFE) return static_cast<LONG>(0xC0000033);  // name invalid
  UNICODE_STRING counted = countedString(name);
  OBJECT_ATTRIBUTES attributes{};
  attributes.Length = sizeof attributes;
  attributes.RootDirectory = root;
  attributes.ObjectName = &counted;
  attributes.Attributes = caseBlind ? kCaseInsensitive : 0;
  IO_STATUS_BLOCK io{};
  HANDLE handle = nullptr;
  const NTSTATUS status =
      NtCreateFile(&handle, access, &attributes, &io, nullptr, 0, share, FILE_OPEN,
                   options | kOpenReparsePoint | kSynchronousIo | kBackupIntent, nullptr, 0);
  if (status >= 0) opened.reset(handle);
  return status;
}

LONG ntRename(HANDLE file, HANDLE folder, const std::wstring& name) {
  const std::size_t nameBytes = name.size() * sizeof(wchar_t);
  std::vector<unsigned char> buffer(offsetof(FILE_RENAME_INFORMATION, FileName) + nameBytes + sizeof(wchar_t));
  auto* rename = reinterpret_cast<FILE_RENAME_INFORMATION*>(buffer.data());
  rename->ReplaceIfExists = FALSE;
  rename->RootDirectory = folder;
  rename->FileNameLength = static_cast<ULONG>(nameBytes);
  std::memcpy(rename->FileName, name.data(), nameBytes);
  IO_STATUS_BLOCK io{};
  return NtSetInformationFile(file, &io, rename, static_cast<ULONG>(buffer.size()), FileRenameInformation);
}

}  // namespace vellox::win32
