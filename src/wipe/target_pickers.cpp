#include "app/frmmain.h"

namespace vellox {

void frmmain::cmdBrowseForFile_Click() {}

void frmmain::cmdBrowseForFolder_Click() {}

}  // namespace vellox
