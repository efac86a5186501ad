#pragma once
#include <windows.h>
#include <string>
#include "platform/win32/handle.h"

namespace vellox::win32 {

// The native calls behind handle-relative file work, which Win32 does not offer: a name is
// taken exactly as given, relative to an open folder (or to an open file, for its streams).
constexpr LONG kStatusNotADirectory = static_cast<LONG>(0xC0000103);
constexpr LONG kStatusFileIsADirectory = static_cast<LONG>(0xC00000BA);
constexpr ULONG kDirectoryFile = 0x1, kNonDirectoryFile = 0x40;

// FILE_OPEN of `name` under `root`, never following a final link; `options` adds to the
// synchronous, backup-intent, reparse-point ones.
LONG ntOpen(HANDLE root, const std::wstring& name, ACCESS_MASK access, ULONG share, ULONG options, bool caseBlind,
            UniqueHandle& opened);
// Gives the open file the name `name` in the open folder `folder`; a taken name is refused.
LONG ntRename(HANDLE file, HANDLE folder, const std::wstring& name);

}  // namespace vellox::win32
