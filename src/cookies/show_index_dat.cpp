#include "cookies/show_index_dat.h"

namespace vellox {

bool showIndexDat = false;

}  // namespace vellox
