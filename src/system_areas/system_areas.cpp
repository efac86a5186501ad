#include "app/frmmain.h"

namespace vellox {

void frmmain::chkdeltempfiles_Click() {}

void frmmain::chkEmptyRecycleBin_Click() {}

void frmmain::clearTempFolder() {}

void frmmain::emptyRecycleBin() {}

}  // namespace vellox
