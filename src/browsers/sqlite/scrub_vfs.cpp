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

// Writes zeros over bytes [from, to) of an open file and syncs, so that they reach the disk
// before the file gives up its blocks: a truncate drops unwritten pages from the cache.
int zeroRange(sqlite3_file* file, sqlite3_int64 from, sqlite3_int64 to) {
  static const std::vector<char> zeros(kChunk, 0);
  for (sqlite3_int64 at = from; at < to; at += kChunk) {
    const int n = static_cast<int>(to - at < kChunk ? to - at : kChunk);
    if (const int rc = file->pMethods->xWrite(file, zeros.data(), n, at); rc != SQLITE_OK) return rc;
  }
  return file->pMethods->xSync(file, SQLITE_SYNC_FULL);
}

// Opens the file through the platform's layer and overwrites every byte it holds. A file that
// cannot be opened is left to the delete that follows.
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
  if (file->pMethods->xFileSize(file, &size) == SQLITE_OK) zeroRange(file, 0, size);
  file->pMethods->xClose(file);
}

int scrubDelete(sqlite3_vfs* vfs, const char* name, int syncDir) {
  sqlite3_vfs* base = baseOf(vfs);
  overwrite(base, name);
  return base->xDelete(base, name, syncDir);
}

// Our files wrap the platform's, which follows in the same allocation.
struct ScrubFile {
  sqlite3_file self;
  sqlite3_file* real;
};
sqlite3_file* realOf(sqlite3_file* file) { return reinterpret_cast<ScrubFile*>(file)->real; }
const sqlite3_io_methods& realMethods(sqlite3_file* file) { return *realOf(file)->pMethods; }

// A checkpoint truncates the write-ahead log, and VACUUM the database's tail: the bytes given up
// are overwritten first, or their blocks would keep what they held.
int scrubTruncate(sqlite3_file* file, sqlite3_int64 size) {
  sqlite3_file* real = realOf(file);
  sqlite3_int64 now = 0;
  if (const int rc = real->pMethods->xFileSize(real, &now); rc != SQLITE_OK) return rc;
  if (now > size)
    if (const int rc = zeroRange(real, size, now); rc != SQLITE_OK) return rc;
  return real->pMethods->xTruncate(real, size);
}

int passClose(sqlite3_file* f) { return realMethods(f).xClose(realOf(f)); }
int passRead(sqlite3_file* f, void* out, int n, sqlite3_int64 at) { return realMethods(f).xRead(realOf(f), out, n, at); }
int passWrite(sqlite3_file* f, const void* in, int n, sqlite3_int64 at) {
  return realMethods(f).xWrite(realOf(f), in, n, at);
}
int passSync(sqlite3_file* f, int flags) { return realMethods(f).xSync(realOf(f), flags); }
int passFileSize(sqlite3_file* f, sqlite3_int64* size) { return realMethods(f).xFileSize(realOf(f), size); }
int passLock(sqlite3_file* f, int level) { return realMethods(f).xLock(realOf(f), level); }
int passUnlock(sqlite3_file* f, int level) { return realMethods(f).xUnlock(realOf(f), level); }
int passReserved(sqlite3_file* f, int* out) { return realMethods(f).xCheckReservedLock(realOf(f), out); }
int passControl(sqlite3_file* f, int op, void* arg) { return realMethods(f).xFileControl(realOf(f), op, arg); }
int passSectorSize(sqlite3_file* f) { return realMethods(f).xSectorSize(realOf(f)); }
int passDevice(sqlite3_file* f) { return realMethods(f).xDeviceCharacteristics(realOf(f)); }
int passShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out) {
  return realMethods(f).xShmMap(realOf(f), region, size, extend, out);
}
int passShmLock(sqlite3_file* f, int offset, int n, int flags) { return realMethods(f).xShmLock(realOf(f), offset, n, flags); }
void passShmBarrier(sqlite3_file* f) { realMethods(f).xShmBarrier(realOf(f)); }
int passShmUnmap(sqlite3_file* f, int deleteFlag) { return realMethods(f).xShmUnmap(realOf(f), deleteFlag); }
int passFetch(sqlite3_file* f, sqlite3_int64 at, int n, void** out) { return realMethods(f).xFetch(realOf(f), at, n, out); }
int passUnfetch(sqlite3_file* f, sqlite3_int64 at, void* p) { return realMethods(f).xUnfetch(realOf(f), at, p); }

// The same version as the platform's file offers, so SQLite asks only for what it has.
const sqlite3_io_methods* methodsFor(int version) {
  static const sqlite3_io_methods all[3] = {
      {1, passClose, passRead, passWrite, scrubTruncate, passSync, passFileSize, passLock, passUnlock, passReserved,
       passControl, passSectorSize, passDevice, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
      {2, passClose, passRead, passWrite, scrubTruncate, passSync, passFileSize, passLock, passUnlock, passReserved,
       passControl, passSectorSize, passDevice, passShmMap, passShmLock, passShmBarrier, passShmUnmap, nullptr, nullptr},
      {3, passClose, passRead, passWrite, scrubTruncate, passSync, passFileSize, passLock, passUnlock, passReserved,
       passControl, passSectorSize, passDevice, passShmMap, passShmLock, passShmBarrier, passShmUnmap, passFetch,
       passUnfetch}};
  return &all[(version < 1 ? 1 : version > 3 ? 3 : version) - 1];
}

int scrubOpen(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
  auto* ours = reinterpret_cast<ScrubFile*>(file);
  ours->real = reinterpret_cast<sqlite3_file*>(ours + 1);
  const int rc = baseOf(vfs)->xOpen(baseOf(vfs), name, ours->real, flags, outFlags);
  // SQLite closes a file whose open failed only if it has methods: ours then close the real one.
  ours->self.pMethods = ours->real->pMethods ? methodsFor(ours->real->pMethods->iVersion) : nullptr;
  return rc;
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
  vfs.szOsFile = static_cast<int>(sizeof(ScrubFile)) + base->szOsFile;
  vfs.mxPathname = base->mxPathname;
  vfs.zName = kName;
  vfs.pAppData = base;
  vfs.xOpen = scrubOpen;
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
