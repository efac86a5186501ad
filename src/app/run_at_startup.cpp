#include "app/run_at_startup.h"

namespace vellox {

void setRunAtStartup(Services&, bool) {}

}  // namespace vellox
