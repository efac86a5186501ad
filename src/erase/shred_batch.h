#pragma once
#include <vector>
#include "erase/tree_walk.h"
#include "wipe/shred_file.h"

namespace vellox {

// Shreds the found names, up to control.workers files at a time, started in order, reporting
// each start and end through `control`. Names of one file are grouped by its identity before
// any worker takes them: when all of a file's names are among them its data is overwritten once
// and every name goes; when some lie elsewhere only these names go and the data is never
// written. With `passes` 0 the files are deleted without being overwritten. Names not started
// before a cancel are left untouched (ShredEnd::Cancelled). Result k is that of names[k].
std::vector<Shred> shredFound(const std::vector<FoundName>& names, int passes, ShredControl& control);

}  // namespace vellox
