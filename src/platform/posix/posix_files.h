#pragma once
#include <memory>
#include "platform/files.h"

namespace vellox::posix {

// The file service over POSIX calls, for native runs of the shredder and the walk.
// Paths are joined with "/"; nothing is ever opened or written through a symbolic link.
std::unique_ptr<Files> makeFiles();

}  // namespace vellox::posix
