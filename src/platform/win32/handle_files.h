#pragma once
#include <windows.h>
#include "platform/files.h"

namespace vellox::win32 {

// What can be done to a file through a handle already open on it, so that nothing is looked up
// by name again between the check and the change.

// Sets the attribute bits that can be set; zero times leave the file's times as they are.
bool setAttributesThrough(HANDLE handle, DWORD attributes);
// The attributes the open file has now.
bool attributesThrough(HANDLE handle, DWORD& attributes);
// Marks the open name for deletion, read-only or not. Where the system cannot ignore read-only,
// the attribute is lifted only for the moment the mark needs and put back through the same
// handle before the name goes, for the file's other names.
FileStatus deleteThroughHandle(HANDLE handle);
// Which file the handle is open on: volume and file id.
bool identityThrough(HANDLE handle, FileIdentity& identity);
// Whether an open reparse point only names another place; the tag tells.
bool isNameSurrogate(HANDLE handle);

}  // namespace vellox::win32
