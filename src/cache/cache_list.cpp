#include "app/frmmain.h"

namespace vellox {

void frmmain::loadCacheContents() {}

void frmmain::GetCacheURLList() {}

}  // namespace vellox
