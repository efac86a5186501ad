#include "app/frmmain.h"

namespace vellox {

void frmmain::cmdHelp_Click() {}

void frmmain::lblurl_Click() {}

}  // namespace vellox
