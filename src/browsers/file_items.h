#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "browsers/browser_profile.h"
#include "erase/clearing.h"
#include "platform/files.h"

namespace vellox {

struct FileTally {
  std::uint64_t files = 0;  // links count as files of no bytes
  std::uint64_t bytes = 0;
};

// The files and folders of the item, with everything below the folders.
FileTally measureFiles(Files& files, const ItemPaths& item);

// What the user must be told of the item's folders that are links: "Code Cache: a link to
// R:\Cache: not cleaned".
std::vector<std::string> linkNotes(const ItemPaths& item, char separator);
// The notes after the count, as Analyze and the closing message give them: "2 KB in 1 file (a; b)".
std::string withNotes(std::string text, const std::vector<std::string>& notes);

// Deletes the files of the item and everything below its folders; the folders themselves
// stay, empty, as the browser expects to find them. A link goes as a name, and what it leads
// to is never touched. Tells what went. With `securePasses` above 0 each file is shredded
// with that many passes before it goes. The folders below the item's own go too when asked.
FileTally deleteFiles(Files& files, const ItemPaths& item, int securePasses = 0,
                      Subfolders subfolders = Subfolders::Keep);

}  // namespace vellox
