#include "app/frmmain.h"

namespace vellox {

void frmmain::cmdWipe_Click() {}

void frmmain::wipeOut() {}

bool frmmain::fileHasData(const std::string&) { return false; }

}  // namespace vellox
