#include "app/frmmain.h"

namespace vellox {

void frmmain::cmdDelSelFromCache_Click() {}

void frmmain::cmdDelAllFromCache_Click() {}

void frmmain::deletecache() {}

void frmmain::cmdinvertcachesel_Click() {}

void frmmain::invertsel() {}

}  // namespace vellox
