#include <windows.h>
#include <algorithm>
#include <cwctype>
#include <string>
#include <utility>
#include "platform/file_node.h"
#include "platform/win32/file_status.h"
#include "platform/win32/handle.h"
#include "platform/win32/handle_files.h"
#include "platform/win32/literal_path.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_file_node.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/win32_writable_file.h"

namespace vellox::win32 {

namespace {

std::wstring fullPathOf(const std::wstring& path) {
  const DWORD need = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (need == 0) return L"";
  std::wstring full(need, L'\0');
  const DWORD got = GetFullPathNameW(path.c_str(), need, full.data(), nullptr);
  if (got == 0 || got >= need) return L"";
  full.resize(got);
  return full;
}

// The path as the service's calls take it: absolute text in its literal form, with every name
// kept as given; other text made full first, which also lifts the 260-character limit.
std::wstring longPath(const std::string& path) {
  std::wstring wide = widen(path);
  if (auto literal = literalFormOf(wide)) return *literal;
  const std::wstring full = fullPathOf(wide);
  if (full.empty()) return wide;
  if (full.rfind(L"\\\\.\\", 0) == 0) return full;  // a device path stays as it is
  return literalFormOf(full).value_or(full);
}

FileStatus refusedLink() {
  return {FileErrc::Other, ERROR_CANT_ACCESS_FILE, "The file is a link; nothing is written through it."};
}

FileStatus notALink() { return statusOf(ERROR_NOT_A_REPARSE_POINT); }

// Opens the name itself, never what a link leads to, for queries and the given access.
UniqueHandle openName(const std::wstring& path, DWORD access) {
  return UniqueHandle(CreateFileW(path.c_str(), access | FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

DirEntry entryOf(const WIN32_FIND_DATAW& data) {
  DirEntry entry;
  entry.name = narrow(std::wstring_view(data.cFileName, wcsnlen(data.cFileName, MAX_PATH)));
  entry.directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  entry.link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  // With the reparse attribute, dwReserved0 holds the reparse tag.
  entry.surrogate = entry.link && IsReparseTagNameSurrogate(data.dwReserved0);
  entry.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  entry.hidden = (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
  entry.system = (data.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
  return entry;
}

HANDLE findFirst(const std::wstring& pattern, WIN32_FIND_DATAW& data) {
  HANDLE found = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                  FIND_FIRST_EX_LARGE_FETCH);
  if (found == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER)
    found = FindFirstFileExW(pattern.c_str(), FindExInfoStandard, &data, FindExSearchNameMatch, nullptr, 0);
  return found;
}

// The folder part of a path, with its separator.
std::wstring folderOf(const std::wstring& path) {
  const auto cut = path.find_last_of(L'\\');
  return cut == std::wstring::npos ? L"" : path.substr(0, cut + 1);
}

// Makes the folders above first, when the system says they are missing.
FileStatus makeFolder(const std::wstring& path) {
  if (CreateDirectoryW(path.c_str(), nullptr)) return {};
  DWORD error = GetLastError();
  if (error == ERROR_PATH_NOT_FOUND) {
    std::wstring parent = folderOf(path);
    while (!parent.empty() && parent.back() == L'\\') parent.pop_back();
    if (parent.empty() || parent == path) return statusOf(error);
    if (FileStatus above = makeFolder(parent); !above.ok()) return above;
    if (CreateDirectoryW(path.c_str(), nullptr)) return {};
    error = GetLastError();
  }
  if (error != ERROR_ALREADY_EXISTS) return statusOf(error);
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  return folder ? FileStatus{} : statusOf(ERROR_ALREADY_EXISTS);
}

// Errors by which a file system says it keeps no named streams.
bool noStreamsHere(DWORD error) {
  return error == ERROR_HANDLE_EOF || error == ERROR_INVALID_PARAMETER || error == ERROR_INVALID_FUNCTION ||
         error == ERROR_CALL_NOT_IMPLEMENTED || error == ERROR_NOT_SUPPORTED;
}

constexpr DWORD kRelocating = FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_SPARSE_FILE | FILE_ATTRIBUTE_ENCRYPTED;

class Win32Files : public Files {
 public:
  char separator() const override { return '\\'; }

  std::optional<std::string> literalPath(const std::string& text) override {
    // Made once, here; every name appended later is taken as listed.
    auto literal = literalFormOf(widen(text));
    if (!literal) return std::nullopt;
    return narrow(*literal);
  }

  std::unique_ptr<FileNode> openNode(const std::string& literalPath, FileStatus& status) override {
    const auto literal = literalFormOf(widen(literalPath));
    // Only drive and share paths: other \\?\ forms name devices and volumes by their own rules.
    const bool place = literal && (literal->rfind(L"\\\\?\\UNC\\", 0) == 0 ||
                                   (literal->size() >= 7 && (*literal)[5] == L':' && (*literal)[6] == L'\\'));
    if (!place) {
      status = statusOf(ERROR_INVALID_NAME);
      return nullptr;
    }
    return openFileNode(*literal, literalPath, status);
  }

  std::unique_ptr<WritableFile> openForWrite(const std::string& path, FileStatus& status) override {
    // The reparse flag opens a link itself, so it can be refused instead of followed.
    UniqueHandle file(CreateFileW(longPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file) {
      status = lastStatus();
      return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.get(), &info)) {
      status = lastStatus();
      return nullptr;
    }
    if (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) {
      status = refusedLink();
      return nullptr;
    }
    status = {};
    return std::make_unique<Win32WritableFile>(std::move(file), info.nNumberOfLinks);
  }

  FileStatus deleteFile(const std::string& path) override {
    return DeleteFileW(longPath(path).c_str()) ? FileStatus{} : lastStatus();
  }

  FileStatus renameInFolder(const std::string& path, const std::string& newName) override {
    if (newName.empty() || newName.find_first_of("\\/:") != std::string::npos)
      return statusOf(ERROR_INVALID_NAME);
    const std::wstring from = longPath(path);
    const std::wstring to = folderOf(from) + widen(newName);
    // Without MOVEFILE_REPLACE_EXISTING a taken name is refused; write-through flushes the entry.
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) ? FileStatus{} : lastStatus();
  }

  FileStatus namedStreams(const std::string& path, std::vector<std::string>& streams) override {
    streams.clear();
    WIN32_FIND_STREAM_DATA data{};
    UniqueFindHandle found(FindFirstStreamW(longPath(path).c_str(), FindStreamInfoStandard, &data, 0));
    if (!found) return noStreamsHere(GetLastError()) ? FileStatus{} : lastStatus();
    do {
      // "::$DATA" is the file's own data; named ones read ":name:$DATA".
      const std::wstring name(data.cStreamName, wcsnlen(data.cStreamName, MAX_PATH + 36));
      if (name != L"::$DATA") streams.push_back(path + narrow(name));
    } while (FindNextStreamW(found.get(), &data));
    if (const DWORD error = GetLastError(); error != ERROR_HANDLE_EOF) return statusOf(error);
    return {};
  }

  FileStatus removeLink(const std::string& path) override {
    UniqueHandle link = openName(longPath(path), DELETE);
    if (!link) return lastStatus();
    // Checked on the handle that deletes, so nothing else can take the link's place meanwhile.
    if (!isNameSurrogate(link.get())) return notALink();
    FILE_DISPOSITION_INFO disposition{TRUE};
    if (!SetFileInformationByHandle(link.get(), FileDispositionInfo, &disposition, sizeof disposition))
      return lastStatus();
    return {};
  }

  FileStatus deleteOneName(const std::string& path) override {
    UniqueHandle name = openName(longPath(path), DELETE | FILE_WRITE_ATTRIBUTES);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!name || !GetFileInformationByHandle(name.get(), &info)) return lastStatus();
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return statusOf(ERROR_ACCESS_DENIED);
    return deleteThroughHandle(name.get());
  }

  FileStatus setNormalAttributes(const std::string& path) override {
    return setAttributes(path, FILE_ATTRIBUTE_NORMAL);
  }

  FileStatus setAttributes(const std::string& path, std::uint32_t attributes) override {
    const std::wstring wide = longPath(path);
    const DWORD now = GetFileAttributesW(wide.c_str());
    if (now == INVALID_FILE_ATTRIBUTES) return lastStatus();
    // Folders and links keep theirs: only files are made writable for the wipe.
    if (now & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) return refusedLink();
    return SetFileAttributesW(wide.c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL) ? FileStatus{}
                                                                                          : lastStatus();
  }

  FileStatus fileFacts(const std::string& path, FileFacts& facts) override {
    const std::wstring wide = longPath(path);
    UniqueHandle name = openName(wide, 0);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!name || !GetFileInformationByHandle(name.get(), &info)) return lastStatus();
    facts.links = info.nNumberOfLinks;
    facts.attributes = info.dwFileAttributes;
    facts.readOnly = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    facts.directory = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    facts.link = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    facts.surrogate = facts.link && isNameSurrogate(name.get());
    // Wine's handle on a folder symlink describes the folder it leads to; the name still shows
    // the link, and only a link that names another place behaves so.
    const DWORD byName = GetFileAttributesW(wide.c_str());
    if (!facts.link && byName != INVALID_FILE_ATTRIBUTES && (byName & FILE_ATTRIBUTE_REPARSE_POINT))
      facts.link = facts.surrogate = true;
    facts.relocating = (info.dwFileAttributes & kRelocating) != 0;
    if (!identityThrough(name.get(), facts.identity)) return lastStatus();
    return {};
  }

  FileStatus fileLength(const std::string& path, std::uint64_t& length) override {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(longPath(path).c_str(), GetFileExInfoStandard, &data)) return lastStatus();
    length = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return {};
  }

  FileStatus readFile(const std::string& path, std::string& contents, std::size_t maxBytes) override {
    UniqueHandle file(CreateFileW(longPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return lastStatus();
    contents.clear();
    char buffer[64 * 1024];
    while (contents.size() < maxBytes) {
      DWORD got = 0;
      const auto want = static_cast<DWORD>(std::min(sizeof buffer, maxBytes - contents.size()));
      if (!ReadFile(file.get(), buffer, want, &got, nullptr)) return lastStatus();
      if (got == 0) break;
      contents.append(buffer, got);
    }
    return {};
  }

  FileStatus createFolder(const std::string& path) override { return makeFolder(longPath(path)); }

  FolderListing readFolder(const std::string& folder) override {
    FolderListing listing;
    std::wstring pattern = longPath(folder);
    if (pattern.empty()) {
      listing.status = statusOf(ERROR_PATH_NOT_FOUND);
      return listing;
    }
    if (pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW data{};
    UniqueFindHandle found(findFirst(pattern, data));
    if (!found) {
      const DWORD error = GetLastError();
      // No match at all is an empty folder (a drive root has no "." entry).
      listing.opened = error == ERROR_FILE_NOT_FOUND;
      if (!listing.opened) listing.status = statusOf(error);
      return listing;
    }
    listing.opened = true;
    do {
      auto entry = entryOf(data);
      if (entry.name != "." && entry.name != "..") listing.entries.push_back(std::move(entry));
    } while (FindNextFileW(found.get(), &data));
    // Anything but the end of the entries means some were never seen.
    if (const DWORD error = GetLastError(); error != ERROR_NO_MORE_FILES) listing.status = statusOf(error);
    return listing;
  }

  std::string tempPath() override {
    // The needed size first: the path may be longer than MAX_PATH.
    const DWORD need = GetTempPathW(0, nullptr);
    if (need == 0) return "";
    std::wstring buffer(need + 1, L'\0');
    const DWORD got = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (got == 0 || got >= buffer.size()) return "";
    return narrow(std::wstring_view(buffer.data(), got));
  }

  std::string createUniqueFile(const std::string& folder, const std::string& prefix) override {
    wchar_t name[MAX_PATH] = {};
    if (GetTempFileNameW(widen(folder).c_str(), widen(prefix).c_str(), 0, name) == 0) return "";
    return narrow(name);
  }
};

}  // namespace

std::unique_ptr<Files> makeFiles() { return std::make_unique<Win32Files>(); }

}  // namespace vellox::win32
