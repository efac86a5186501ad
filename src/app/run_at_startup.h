#pragma once
#include "platform/services.h"

namespace vellox {

// Writes the start-with-Windows Run value when `run` is true, deletes it otherwise.
void setRunAtStartup(Services& services, bool run);

}  // namespace vellox
