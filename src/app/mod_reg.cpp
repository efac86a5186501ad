#include "app/mod_reg.h"

namespace vellox {

std::string getRegValue(Services&, RegRoot, const std::string&, const std::string&) { return ""; }
std::string readRegValue(Services&, RegistryKey&, const std::string&) { return ""; }
std::string lastErrorText(Services&, long) { return ""; }

}  // namespace vellox
