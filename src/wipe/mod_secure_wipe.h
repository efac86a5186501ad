#pragma once
#include <string>
#include "platform/files.h"

namespace vellox {

// Overwrites the file with `passes` passes of 0x01 blocks, then deletes it.
// True when every pass overwrote the whole file and the file is gone.
bool shredFile(Files& files, const std::string& path, int passes);

// Deletes the file; after an access refusal, resets its attributes and tries once more.
bool forceDeleteFile(Files& files, const std::string& path);

}  // namespace vellox
