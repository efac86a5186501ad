#include "platform/win32/win32_file_node.h"
#include "platform/win32/file_status.h"
#include "platform/win32/handle_files.h"
#include "platform/win32/nt_files.h"
#include "platform/win32/text.h"

namespace vellox::win32 {

namespace node {

namespace {

constexpr ULONG kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr ACCESS_MASK kFolderAccess = FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
constexpr ACCESS_MASK kChangeAccess = DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES | SYNCHRONIZE;
constexpr DWORD kRelocating = FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_SPARSE_FILE | FILE_ATTRIBUTE_ENCRYPTED;

LONG openAs(HANDLE folder, const std::wstring& name, bool asFolder, bool caseBlind, UniqueHandle& opened,
            Access& access) {
  access = asFolder ? Access::Folder : Access::Change;
  return ntOpen(folder, name, asFolder ? kFolderAccess : kChangeAccess, kShareAll,
                asFolder ? kDirectoryFile : kNonDirectoryFile, caseBlind, opened);
}

}  // namespace

LONG openExact(HANDLE folder, const std::wstring& name, bool expectFolder, bool link, bool caseBlind,
               UniqueHandle& opened, Access& access) {
  if (link) {
    access = Access::Change;
    return ntOpen(folder, name, kChangeAccess, kShareAll, 0, caseBlind, opened);
  }
  LONG status = openAs(folder, name, expectFolder, caseBlind, opened, access);
  if (status == (expectFolder ? kStatusNotADirectory : kStatusFileIsADirectory))
    status = openAs(folder, name, !expectFolder, caseBlind, opened, access);
  return status;
}

FileStatus readFacts(HANDLE handle, const NameMarks& marks, NodeFacts& facts, bool& handleShowsLink) {
  BY_HANDLE_FILE_INFORMATION info{};
  FILE_ATTRIBUTE_TAG_INFO tag{};
  if (!GetFileInformationByHandle(handle, &info) ||
      !GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) ||
      !identityThrough(handle, facts.identity))
    return lastStatus();
  const DWORD attributes = info.dwFileAttributes;
  handleShowsLink = attributes & FILE_ATTRIBUTE_REPARSE_POINT;
  // A tag of 0 is no tag at all: Wine shows its links so, and they only name another place.
  const bool dataLink = handleShowsLink ? tag.ReparseTag && !IsReparseTagNameSurrogate(tag.ReparseTag)
                                        : marks.dataLink;
  if (handleShowsLink || marks.link) facts.kind = dataLink ? NodeKind::DataLink : NodeKind::Link;
  else if (attributes & FILE_ATTRIBUTE_DEVICE) facts.kind = NodeKind::Other;
  else facts.kind = attributes & FILE_ATTRIBUTE_DIRECTORY ? NodeKind::Folder : NodeKind::File;
  facts.attributes = attributes;
  facts.readOnly = attributes & FILE_ATTRIBUTE_READONLY;
  facts.relocating = attributes & kRelocating;
  facts.links = info.nNumberOfLinks;
  facts.length = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  return {};
}

}  // namespace node

namespace {

using node::NameMarks;

// Where the names after the root begin: "\\?\X:\" or "\\?\UNC\server\share\".
std::size_t rootLength(const std::wstring& literal) {
  if (literal.rfind(L"\\\\?\\UNC\\", 0) == 0) {
    const std::size_t server = literal.find(L'\\', 8);
    const std::size_t share = server == std::wstring::npos ? server : literal.find(L'\\', server + 1);
    return share == std::wstring::npos ? literal.size() : share + 1;
  }
  return std::min<std::size_t>(literal.size(), 7);
}

// What the name's own listing entry and a lookup by name say: under Wine they show a link that
// a handle opened on it does not.
NameMarks marksOf(const std::wstring& path, const std::wstring& name) {
  NameMarks marks;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  marks.link = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
  WIN32_FIND_DATAW data{};
  UniqueFindHandle found(FindFirstFileExW(path.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0));
  const bool same = found && CompareStringOrdinal(data.cFileName, -1, name.c_str(), -1, TRUE) == CSTR_EQUAL;
  if (same && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    marks.link = true;
    // With the reparse attribute, dwReserved0 holds the tag.
    marks.dataLink = data.dwReserved0 && !IsReparseTagNameSurrogate(data.dwReserved0);
  }
  return marks;
}

FileStatus openRoot(const std::wstring& root, UniqueHandle& handle) {
  handle.reset(CreateFileW(root.c_str(), FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  return handle ? FileStatus{} : lastStatus();
}

}  // namespace

std::unique_ptr<FileNode> openFileNode(const std::wstring& literal, const std::string& path, FileStatus& status) {
  const std::size_t root = rootLength(literal);
  std::wstring trimmed = literal;
  while (trimmed.size() > root && trimmed.back() == L'\\') trimmed.pop_back();
  auto handle = std::make_shared<UniqueHandle>();
  node::SharedHandle parent;
  node::Access access = node::Access::Folder;
  NameMarks marks;
  if (trimmed.size() <= root) {
    // A volume's root has no folder above it: it is never renamed or removed. Without its
    // separator the text would name the volume's device.
    if (trimmed.back() != L'\\') trimmed += L'\\';
    if (status = openRoot(trimmed, *handle); !status.ok()) return nullptr;
  } else {
    const std::size_t cut = trimmed.rfind(L'\\');
    const std::wstring name = trimmed.substr(cut + 1);
    // The folders above the name are followed as the user named them; the name itself is not.
    parent = std::make_shared<UniqueHandle>();
    if (status = openRoot(trimmed.substr(0, std::max(cut, root - 1) + 1), *parent); !status.ok()) return nullptr;
    const LONG opened = node::openExact(parent->get(), name, true, false, true, *handle, access);
    if (opened < 0) {
      status = ntStatusOf(opened);
      return nullptr;
    }
    marks = marksOf(trimmed, name);
  }
  NodeFacts facts;
  bool handleShowsLink = false;
  if (status = node::readFacts(handle->get(), marks, facts, handleShowsLink); !status.ok()) return nullptr;
  return node::makeNode(std::move(handle), std::move(parent), access, handleShowsLink, facts, path);
}

}  // namespace vellox::win32
