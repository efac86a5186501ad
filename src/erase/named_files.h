#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include "platform/files.h"

namespace vellox {

// What removeNamedFiles did in one folder.
struct NamedFilesRemoved {
  bool listed = false;         // the folder is a real folder, opened and listed
  std::size_t removed = 0;     // picked files that went
  std::size_t failed = 0;      // picked files that stayed
  bool others = false;         // it holds something else, or could not be listed whole
  bool folderRemoved = false;  // asked for, and nothing else was in it
};

// Removes the plain files right inside `folder` whose names `picked` chooses, each through the
// folder's handle. The folder is opened exactly as named and never through a link, so a folder
// swapped for one never leads the removal elsewhere. With `thenFolder`, the folder goes too
// when nothing else was in it.
NamedFilesRemoved removeNamedFiles(Files& files, const std::string& folder,
                                   const std::function<bool(const std::string&)>& picked, bool thenFolder = false);

}  // namespace vellox
