#include "app/frmmain.h"

namespace vellox {

void frmmain::cmdselectallcookies_Click() {}

void frmmain::cmdselectnocookies_Click() {}

void frmmain::cmdinvertcookiesselection_Click() {}

void frmmain::cmddelcookies_Click() {}

void frmmain::deletecookies() {}

}  // namespace vellox
