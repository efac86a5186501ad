#include "app/frmmain.h"

namespace vellox {

void frmmain::loadUserPrefs() {}

void frmmain::saveUserPrefs() {}

}  // namespace vellox
