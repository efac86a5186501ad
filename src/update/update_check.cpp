#include "app/frmmain.h"

namespace vellox {

void frmmain::cmdcheckForUpdates_Click() {}

void frmmain::checkForUpdates() {}

}  // namespace vellox
