#pragma once

namespace vellox {

// Whether the cookie list may show a file named "index.dat": true from start-up
// until the first deletion run.
extern bool showIndexDat;

}  // namespace vellox
