#include "browsers/sqlite/scrub_vfs.h"
#include <sqlite3.h>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace vellox::sqlite {
namespace {

constexpr const char* kName = "vellox-scrub";
constexpr int kChunk = 64 * 1024;

sqlite3_vfs* baseOf(sqlite3_vfs* vfs) { return static_cast<sqlite3_vfs*>(vfs->pAppData); }

// Opens the file through the platform's layer, writes zeros over every byte it holds and
// syncs. A file that cannot be opened is left to the delete that follows.
void overwrite(sqlite3_vfs* base, const char* name) {
  // SQLite's layers may read parameters after a name's terminator: give it an empty list.
  std::string path(name);
  path.append(4, '\0');
  std::vector<char> storage(static_cast<std::size_t>(base->szOsFile) + 16, 0);
  auto* file = reinterpret_cast<sqlite3_file*>(storage.data());
  int outFlags = 0;
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_TRANSIENT_DB;
  const int rc = base->xOpen(base, path.c_str(), file, flags, &outFlags);
  if (rc != SQLITE_OK) {
    if (file->pMethods) file->pMethods->xClose(file);
    return;
  }
  sqlite3_int64 size = 0;
  if (file->pMethods->xFileSize(file, &size) == SQLITE_OK) {
    static const std::vector<char> zeros(kChunk, 0);
    for (sqlite3_int64 at = 0; at < size; at += kChunk) {
      const int n = static_cast<int>(size - at < kChunk ? size - at : kChunk);
      if (file->pMethods->xWrite(file, zeros.data(), n, at) != SQLITE_OK) break;
    }
    file->pMethods->xSync(file, SQLITE_SYNC_FULL);
  }
  file->pMethods->xClose(file);
}

int scrubDelete(sqlite3_vfs* vfs, const char* name, int syncDir) {
  sqlite3_vfs* base = baseOf(vfs);
  overwrite(base, name);
  return base->xDelete(base, name, syncDir);
}

int passOpen(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
  return baseOf(vfs)->xOpen(baseOf(vfs), name, file, flags, outFlags);
}
int passAccess(sqlite3_vfs* vfs, const char* name, int flags, int* out) {
  return baseOf(vfs)->xAccess(baseOf(vfs), name, flags, out);
}
int passFullPathname(sqlite3_vfs* vfs, const char* name, int size, char* out) {
  return baseOf(vfs)->xFullPathname(baseOf(vfs), name, size, out);
}
int passRandomness(sqlite3_vfs* vfs, int size, char* out) { return baseOf(vfs)->xRandomness(baseOf(vfs), size, out); }
int passSleep(sqlite3_vfs* vfs, int microseconds) { return baseOf(vfs)->xSleep(baseOf(vfs), microseconds); }
int passCurrentTime(sqlite3_vfs* vfs, double* now) { return baseOf(vfs)->xCurrentTime(baseOf(vfs), now); }
int passLastError(sqlite3_vfs* vfs, int size, char* out) { return baseOf(vfs)->xGetLastError(baseOf(vfs), size, out); }
int passCurrentTimeInt64(sqlite3_vfs* vfs, sqlite3_int64* now) {
  return baseOf(vfs)->xCurrentTimeInt64(baseOf(vfs), now);
}

// Loading code is off in our build, and a system call is never swapped: those members stay
// empty, so SQLite does not offer them.
sqlite3_vfs makeScrubVfs(sqlite3_vfs* base) {
  sqlite3_vfs vfs{};
  vfs.iVersion = base->iVersion >= 2 ? 2 : 1;
  vfs.szOsFile = base->szOsFile;
  vfs.mxPathname = base->mxPathname;
  vfs.zName = kName;
  vfs.pAppData = base;
  vfs.xOpen = passOpen;
  vfs.xDelete = scrubDelete;
  vfs.xAccess = passAccess;
  vfs.xFullPathname = passFullPathname;
  vfs.xRandomness = passRandomness;
  vfs.xSleep = passSleep;
  vfs.xCurrentTime = passCurrentTime;
  vfs.xGetLastError = passLastError;
  if (vfs.iVersion >= 2) vfs.xCurrentTimeInt64 = passCurrentTimeInt64;
  return vfs;
}

}  // namespace

const char* scrubVfsName() {
  static std::once_flag once;
  static sqlite3_vfs vfs;
  std::call_once(once, [] {
    sqlite3_initialize();
    vfs = makeScrubVfs(sqlite3_vfs_find(nullptr));
    sqlite3_vfs_register(&vfs, 0);
  });
  return kName;
}

}  // namespace vellox::sqlite
