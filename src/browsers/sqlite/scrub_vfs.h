#pragma once

namespace vellox::sqlite {

// The name of a file system layer for SQLite that passes everything to the platform's own,
// except that a file SQLite deletes (a rollback journal, a write-ahead log) has its bytes
// overwritten with zeros and forced to the disk first. A journal holds the old pages of a
// transaction, deleted rows included, and deleting it as an ordinary file would leave them in
// the freed blocks. Bytes a truncate gives up (the log after a checkpoint, the database's tail
// after VACUUM) are overwritten the same way before they are released. Only connections opened with this name use it; registering is done once.
const char* scrubVfsName();

}  // namespace vellox::sqlite
