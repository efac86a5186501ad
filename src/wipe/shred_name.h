#pragma once
#include <random>
#include <string>
#include "platform/file_node.h"

namespace vellox {

// A name as long as `name` (in characters) made of lower-case letters and digits, which every
// file system takes; never one of the device names Windows keeps.
std::string randomNameLike(const std::string& name, std::mt19937& random);

// Renames the open file in its own folder `times` times, each time to a new random name as long
// as its own, each rename forced to the device, so that the folder's entry no longer holds the
// name. Returns the name the file has at the end: after a refusal the renaming stops, and the
// file is known under the last name it was given.
std::string renameAway(FileNode& node, int times);

}  // namespace vellox
