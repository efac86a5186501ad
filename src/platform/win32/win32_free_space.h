#pragma once
#include <memory>
#include "platform/free_space.h"

namespace vellox::win32 {

std::unique_ptr<FreeSpace> makeFreeSpace();

}  // namespace vellox::win32
