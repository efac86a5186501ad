#pragma once
#include <windows.h>
#include <memory>
#include <string>
#include "platform/file_node.h"
#include "platform/win32/handle.h"

namespace vellox::win32 {

// Opens the node that a literal (\\?\) path names, exactly as named and never following a final
// link; its folder is opened too, so that it can be renamed in that folder through its handle.
// `path` is what the node reports as its place.
std::unique_ptr<FileNode> openFileNode(const std::wstring& literal, const std::string& path, FileStatus& status);

// The parts the node and its opening share.
namespace node {

using SharedHandle = std::shared_ptr<UniqueHandle>;

// What a listing or a lookup by name said about a name, beside what its handle says.
struct NameMarks {
  bool link = false;
  bool dataLink = false;  // a reparse point with a known tag that does not only name another place
};

// The access a node is opened with: a folder to list and to open children in, anything else
// to change its attributes and remove it.
enum class Access { Folder, Change };

// Opens `name` exactly, relative to the open folder, never following a final link. `expectFolder`
// is a guess: a folder found where a file was expected, or the other way round, is opened as what
// it is. A link is opened for change.
LONG openExact(HANDLE folder, const std::wstring& name, bool expectFolder, bool link, bool caseBlind,
               UniqueHandle& opened, Access& access);
FileStatus readFacts(HANDLE handle, const NameMarks& marks, NodeFacts& facts, bool& handleShowsLink);
std::unique_ptr<FileNode> makeNode(SharedHandle handle, SharedHandle parent, Access access, bool handleShowsLink,
                                   NodeFacts facts, std::string path);

}  // namespace node

}  // namespace vellox::win32
