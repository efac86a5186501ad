#pragma once
#include <cstdint>
#include <string>
#include "platform/file_node.h"
#include "wipe/shred_file.h"

namespace vellox {

// Overwrites the open file `node` with `passes` passes, each through a writer reopened from the
// node and forced to the device, with its named streams; then renames it away and removes it
// through the node. `names` is how many names of the file the caller will remove: a file with
// more names than that is never written, since its data belongs to the other names too.
Shred shredNode(FileNode& node, int passes, std::uint32_t names, ShredControl* control);

// Removes the name through the node; a refusal for its attributes makes it writable once.
FileStatus removeName(FileNode& node);

// What a node that is not an ordinary file comes to: a link goes as a name, anything else stays.
// Nothing for a file.
std::optional<Shred> notAFile(FileNode& node);

}  // namespace vellox
