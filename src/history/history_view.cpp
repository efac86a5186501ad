#include "app/frmmain.h"

namespace vellox {

void frmmain::loadURLHistory() {}

void frmmain::URLs_ColumnClick(int) {}

void frmmain::cmdClearHistory_Click() {}

}  // namespace vellox
