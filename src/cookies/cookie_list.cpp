#include "app/frmmain.h"

namespace vellox {

void frmmain::loadCookiesList() {}

void frmmain::EnumCookies(std::string) {}

}  // namespace vellox
