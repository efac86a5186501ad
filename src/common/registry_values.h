#pragma once
#include <string>
#include "platform/registry.h"
#include "platform/services.h"

namespace vellox {

// Reads one value of `subkey` as text; a failed first query is shown to the user.
std::string getRegValue(Services& services, RegRoot root, const std::string& subkey, const std::string& name);
std::string readRegValue(Services& services, RegistryKey& key, const std::string& name);
// As getRegValue for work nobody watches: a failure is returned in `error`, never shown.
std::string getRegValueQuietly(Services& services, RegRoot root, const std::string& subkey, const std::string& name,
                               long& error);
std::string lastErrorText(Services& services, long code);

}  // namespace vellox
