#include "platform/win32/handle_files.h"
#include <cstring>
#include "platform/win32/file_status.h"

namespace vellox::win32 {

namespace {

// FileDispositionInfoEx and its flags, which the headers show only to newer targets.
constexpr auto kFileDispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
constexpr DWORD kDispositionDelete = 0x1, kDispositionPosix = 0x2, kDispositionIgnoreReadOnly = 0x10;
struct DispositionEx {
  DWORD flags;
};

// FileIdInfo, which the headers show only to newer targets: 128-bit ids, as ReFS needs.
constexpr auto kFileIdInfo = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);
struct IdInfo {
  ULONGLONG volume;
  unsigned char id[16];
};

// The bits FileBasicInfo may set; the others belong to the file system.
constexpr DWORD kSettable = 0x31A7;

}  // namespace

bool setAttributesThrough(HANDLE handle, DWORD attributes) {
  FILE_BASIC_INFO basic{};
  basic.FileAttributes = attributes & kSettable;
  if (!basic.FileAttributes) basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;  // zero would change nothing
  return SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic) != 0;
}

bool attributesThrough(HANDLE handle, DWORD& attributes) {
  FILE_BASIC_INFO basic{};
  if (!GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) return false;
  attributes = basic.FileAttributes;
  return true;
}

FileStatus deleteThroughHandle(HANDLE handle) {
  // Newer systems remove the name at once, read-only or not, even while others hold the file.
  DispositionEx posix{kDispositionDelete | kDispositionPosix | kDispositionIgnoreReadOnly};
  if (SetFileInformationByHandle(handle, kFileDispositionInfoEx, &posix, sizeof posix)) return {};
  DWORD attributes = 0;
  if (!attributesThrough(handle, attributes)) return lastStatus();
  const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
  if (readOnly && !setAttributesThrough(handle, attributes & ~FILE_ATTRIBUTE_READONLY)) return lastStatus();
  FILE_DISPOSITION_INFO disposition{TRUE};
  const bool marked = SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition);
  const FileStatus status = marked ? FileStatus{} : lastStatus();
  if (readOnly) setAttributesThrough(handle, attributes);
  return status;
}

bool identityThrough(HANDLE handle, FileIdentity& identity) {
  IdInfo id{};
  if (GetFileInformationByHandleEx(handle, kFileIdInfo, &id, sizeof id)) {
    identity.volume = id.volume;
    std::memcpy(&identity.low, id.id, 8);
    std::memcpy(&identity.high, id.id + 8, 8);
    return true;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle, &info)) return false;
  identity = {info.dwVolumeSerialNumber, 0, (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
  return true;
}

bool isNameSurrogate(HANDLE handle) {
  FILE_ATTRIBUTE_TAG_INFO tag{};
  if (!GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag)) return false;
  return (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(tag.ReparseTag);
}

}  // namespace vellox::win32
