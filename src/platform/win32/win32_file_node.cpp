// A node holds the handle of one name and the handle of the folder it was opened in. Every
// change goes through these handles and every child is opened relative to its folder's handle,
// exactly as listed and without following a final link: a folder swapped for a junction or a
// link after it was checked cannot redirect what happens next, since nothing is looked up by
// path again. Under Wine a handle opened on a link to a folder describes the target, so the
// listing's word counts as well, and such a link is never removed through that handle.
#include <windows.h>
#include <vector>
#include "platform/win32/file_status.h"
#include "platform/win32/handle_files.h"
#include "platform/win32/nt_files.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_file_node.h"
#include "platform/win32/win32_writable_file.h"

namespace vellox::win32 {

namespace node {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kReopenFlags = FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT;

FileStatus refused(DWORD error, const char* why) { return {FileErrc::Other, static_cast<long>(error), why}; }

bool validName(const std::wstring& name) {
  return !name.empty() && name != L"." && name != L".." && name.find_first_of(L"\\/:") == std::wstring::npos;
}

DirEntry entryOf(const FILE_ID_BOTH_DIR_INFO& info) {
  DirEntry entry;
  entry.name = narrow(std::wstring_view(info.FileName, info.FileNameLength / sizeof(wchar_t)));
  const DWORD attributes = info.FileAttributes;
  entry.directory = attributes & FILE_ATTRIBUTE_DIRECTORY;
  entry.link = attributes & FILE_ATTRIBUTE_REPARSE_POINT;
  // With the reparse attribute, EaSize holds the tag; Wine gives its links none.
  entry.surrogate = entry.link && (info.EaSize == 0 || IsReparseTagNameSurrogate(info.EaSize));
  entry.readOnly = attributes & FILE_ATTRIBUTE_READONLY;
  entry.hidden = attributes & FILE_ATTRIBUTE_HIDDEN;
  entry.system = attributes & FILE_ATTRIBUTE_SYSTEM;
  entry.id = static_cast<std::uint64_t>(info.FileId.QuadPart);
  return entry;
}

// Errors by which a file system says it keeps no named streams.
bool noStreamsHere(DWORD error) {
  return error == ERROR_HANDLE_EOF || error == ERROR_INVALID_PARAMETER || error == ERROR_INVALID_FUNCTION ||
         error == ERROR_CALL_NOT_IMPLEMENTED || error == ERROR_NOT_SUPPORTED;
}

class Win32FileNode : public FileNode {
 public:
  Win32FileNode(SharedHandle handle, SharedHandle parent, Access access, bool handleShowsLink, NodeFacts facts,
                std::string path)
      : handle_(std::move(handle)),
        parent_(std::move(parent)),
        access_(access),
        handleShowsLink_(handleShowsLink),
        facts_(facts),
        path_(std::move(path)) {}

  const NodeFacts& facts() const override { return facts_; }
  const std::string& path() const override { return path_; }

  FolderListing list() override {
    FolderListing listing;
    if (facts_.kind != NodeKind::Folder || access_ != Access::Folder) {
      listing.status = statusOf(ERROR_DIRECTORY);
      return listing;
    }
    listing.opened = true;
    std::vector<unsigned char> buffer(64 * 1024);
    for (auto kind = FileIdBothDirectoryRestartInfo;; kind = FileIdBothDirectoryInfo) {
      if (!GetFileInformationByHandleEx(handle_->get(), kind, buffer.data(), static_cast<DWORD>(buffer.size()))) {
        // Anything but the end of the entries means some were never seen.
        if (const DWORD error = GetLastError(); error != ERROR_NO_MORE_FILES) listing.status = statusOf(error);
        return listing;
      }
      for (std::size_t at = 0;;) {
        const auto& info = *reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer.data() + at);
        DirEntry entry = entryOf(info);
        if (entry.name != "." && entry.name != "..") listing.entries.push_back(std::move(entry));
        if (!info.NextEntryOffset) break;
        at += info.NextEntryOffset;
      }
    }
  }

  std::unique_ptr<FileNode> openChild(const DirEntry& entry, FileStatus& status) override {
    const std::wstring name = widen(entry.name);
    if (facts_.kind != NodeKind::Folder || access_ != Access::Folder) {
      status = statusOf(ERROR_DIRECTORY);
      return nullptr;
    }
    if (!validName(name)) {
      status = statusOf(ERROR_INVALID_NAME);
      return nullptr;
    }
    auto child = std::make_shared<UniqueHandle>();
    Access access = Access::Folder;
    if (const LONG opened = openExact(handle_->get(), name, entry.directory, entry.link, false, *child, access);
        opened < 0) {
      status = ntStatusOf(opened);
      return nullptr;
    }
    NodeFacts facts;
    bool handleShowsLink = false;
    const NameMarks marks{entry.link, entry.link && !entry.surrogate};
    if (status = readFacts(child->get(), marks, facts, handleShowsLink); !status.ok()) return nullptr;
    const std::string childPath = path_ + (path_.empty() || path_.back() == '\\' ? "" : "\\") + entry.name;
    return makeNode(std::move(child), handle_, access, handleShowsLink, facts, childPath);
  }

  std::unique_ptr<WritableFile> openForWriting(FileStatus& status) override {
    UniqueHandle writer;
    // Our own handle may delete, so the writer shares deletion with it.
    status = plainFile() ? reopen(GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, writer) : notAFile();
    if (!status.ok()) return nullptr;
    return std::make_unique<Win32WritableFile>(std::move(writer), facts_.links);
  }

  FileStatus streams(std::vector<std::string>& names) override {
    names.clear();
    if (!plainFile()) return notAFile();
    std::vector<unsigned char> buffer(16 * 1024);
    while (!GetFileInformationByHandleEx(handle_->get(), FileStreamInfo, buffer.data(),
                                         static_cast<DWORD>(buffer.size()))) {
      const DWORD error = GetLastError();
      if (error != ERROR_MORE_DATA || buffer.size() >= (1u << 24)) return noStreamsHere(error) ? FileStatus{} : statusOf(error);
      buffer.resize(buffer.size() * 2);
    }
    for (std::size_t at = 0;;) {
      const auto& info = *reinterpret_cast<const FILE_STREAM_INFO*>(buffer.data() + at);
      // "::$DATA" is the file's own data; named ones read ":name:$DATA".
      const std::wstring name(info.StreamName, info.StreamNameLength / sizeof(wchar_t));
      if (!name.empty() && name != L"::$DATA") names.push_back(narrow(name));
      if (!info.NextEntryOffset) break;
      at += info.NextEntryOffset;
    }
    return {};
  }

  std::unique_ptr<WritableFile> openStream(const std::string& name, FileStatus& status) override {
    const std::wstring stream = widen(name);
    if (!plainFile()) {
      status = notAFile();
      return nullptr;
    }
    if (stream.size() < 2 || stream[0] != L':' || stream.find_first_of(L"\\/") != std::wstring::npos) {
      status = statusOf(ERROR_INVALID_NAME);
      return nullptr;
    }
    UniqueHandle writer;
    const LONG opened = ntOpen(handle_->get(), stream, GENERIC_WRITE | SYNCHRONIZE,
                               FILE_SHARE_READ | FILE_SHARE_DELETE, kNonDirectoryFile, false, writer);
    if (opened < 0) {
      status = ntStatusOf(opened);
      return nullptr;
    }
    status = {};
    return std::make_unique<Win32WritableFile>(std::move(writer), facts_.links);
  }

  FileStatus rename(const std::string& newName) override {
    const std::wstring name = widen(newName);
    if (!validName(name)) return statusOf(ERROR_INVALID_NAME);
    if (!parent_) return statusOf(ERROR_ACCESS_DENIED);
    if (linkSeenOnlyByName()) return targetOpened();
    HANDLE changer = nullptr;
    if (FileStatus status = changeHandle(changer); !status.ok()) return status;
    if (const LONG renamed = ntRename(changer, parent_->get(), name); renamed < 0) return ntStatusOf(renamed);
    path_ = path_.substr(0, path_.find_last_of('\\') + 1) + newName;
    flushFolder();
    return {};
  }

  FileStatus remove() override {
    if (facts_.kind == NodeKind::DataLink || facts_.kind == NodeKind::Other)
      return refused(ERROR_CANT_ACCESS_FILE, "It holds data of its own kind; it is left in place.");
    if (!parent_) return statusOf(ERROR_ACCESS_DENIED);
    if (linkSeenOnlyByName()) return targetOpened();
    HANDLE changer = nullptr;
    if (FileStatus status = changeHandle(changer); !status.ok()) return status;
    return deleteThroughHandle(changer);
  }

  FileStatus makeWritable() override {
    DWORD now = 0;
    HANDLE changer = nullptr;
    if (FileStatus status = attributeHandle(changer); !status.ok()) return status;
    if (!attributesThrough(changer, now)) return lastStatus();
    const DWORD cleared = now & ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    return setAttributesThrough(changer, cleared) ? FileStatus{} : lastStatus();
  }

  FileStatus setAttributes(std::uint32_t attributes) override {
    HANDLE changer = nullptr;
    if (FileStatus status = attributeHandle(changer); !status.ok()) return status;
    return setAttributesThrough(changer, attributes) ? FileStatus{} : lastStatus();
  }

 private:
  bool plainFile() const { return facts_.kind == NodeKind::File && !handleShowsLink_; }
  static FileStatus notAFile() {
    return refused(ERROR_CANT_ACCESS_FILE, "It is not a plain file; nothing is written through it.");
  }
  // A link that only its listing shows: the handle is its target's, and a change through it
  // would change the target (Wine removes the target folder and keeps the link).
  bool linkSeenOnlyByName() const { return facts_.kind == NodeKind::Link && !handleShowsLink_; }
  static FileStatus targetOpened() {
    return refused(ERROR_NOT_A_REPARSE_POINT, "The system opened what the link leads to; the link is left in place.");
  }

  // Opens the node's own file again through its handle, never by name, and checks that it is
  // still that file: some systems reopen by the path the handle was opened with.
  FileStatus reopen(DWORD access, DWORD share, UniqueHandle& reopened) {
    reopened.reset(ReOpenFile(handle_->get(), access, share, kReopenFlags));
    if (!reopened) return lastStatus();
    FileIdentity identity;
    if (!identityThrough(reopened.get(), identity)) return lastStatus();
    if (identity != facts_.identity) {
      reopened.reset();
      return {FileErrc::NotFound, ERROR_FILE_NOT_FOUND, "The file was replaced after it was opened; the new one is left alone."};
    }
    return {};
  }

  // A handle that may change attributes and delete: the node's own, or for a folder (opened to
  // be listed) one reopened through it.
  FileStatus changeHandle(HANDLE& changer) {
    if (access_ == Access::Change) {
      changer = handle_->get();
      return {};
    }
    if (!changer_) {
      const DWORD access = DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES | SYNCHRONIZE;
      if (FileStatus status = reopen(access, kShareAll, changer_); !status.ok()) return status;
    }
    changer = changer_.get();
    return {};
  }

  // Attributes are changed only on files and folders: on a link they could reach its target.
  FileStatus attributeHandle(HANDLE& changer) {
    if (facts_.kind != NodeKind::File && facts_.kind != NodeKind::Folder) return notAFile();
    if (handleShowsLink_) return notAFile();
    return changeHandle(changer);
  }

  // Forces the folder's new entry to the device where the system lets the folder be flushed.
  void flushFolder() {
    UniqueHandle folder(ReOpenFile(parent_->get(), GENERIC_WRITE, kShareAll, FILE_FLAG_BACKUP_SEMANTICS));
    if (folder) FlushFileBuffers(folder.get());
  }

  SharedHandle handle_;
  SharedHandle parent_;  // keeps the folder open, so the node's name stays where it was checked
  Access access_;
  bool handleShowsLink_;
  NodeFacts facts_;
  std::string path_;
  UniqueHandle changer_;
};

}  // namespace

std::unique_ptr<FileNode> makeNode(SharedHandle handle, SharedHandle parent, Access access, bool handleShowsLink,
                                   NodeFacts facts, std::string path) {
  return std::make_unique<Win32FileNode>(std::move(handle), std::move(parent), access, handleShowsLink, facts,
                                         std::move(path));
}

}  // namespace node

}  // namespace vellox::win32
