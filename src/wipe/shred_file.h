#pragma once
#include <string>
#include <vector>
#include "platform/files.h"
#include "wipe/shred_control.h"

namespace vellox {

enum class ShredEnd {
  Wiped,        // every pass reached the device, then the file was deleted
  Missing,      // there was no such file
  SharedData,   // other names share its data: not written, only this name deleted (when it could be)
  LinkRemoved,  // a link: the link itself was removed, what it leads to was left alone
  NotWiped,     // left in place, its attributes as they were
  Cancelled,    // stopped before it was done: left in place, its attributes as they were
};

struct Shred {
  ShredEnd end = ShredEnd::NotWiped;
  std::string reason;        // why it was not wiped
  bool nameRemoved = false;  // SharedData: whether this name is gone
  // Wiped, but compressed, sparse or encrypted: the file system may have written the passes
  // to new clusters, so the old ones may still hold the data.
  bool relocating = false;
  explicit operator bool() const { return end == ShredEnd::Wiped; }
};

// Overwrites the file, and each of its named data streams, with `passes` passes of 0x01
// blocks, each forced to the device; then renames it in its folder a few times and deletes it. A file that could not be overwritten completely, or whose wipe was
// cancelled through `control`, is left in place.
Shred shredFile(Files& files, const std::string& path, int passes, ShredControl* control = nullptr);

// Shreds paths[first..], up to control.workers files at a time, started in order, reporting each
// start and end through `control`; files not yet started when the wipe is cancelled are left
// untouched (ShredEnd::Cancelled). Result k is that of paths[first + k]. With more than one
// worker, `files` is called from several threads at once.
std::vector<Shred> shredFiles(Files& files, const std::vector<std::string>& paths, std::size_t first, int passes,
                              ShredControl& control);

// How far one pass writes over a file of `length` bytes: whole blocks, past its end.
std::uint64_t passLength(std::uint64_t length);
// What `passes` passes write over a file of `length` bytes.
std::uint64_t bytesToWrite(std::uint64_t length, int passes);

// Deletes the file, opened exactly as named and removed through that handle; after an access
// refusal, resets its attributes and tries once more. True when it is gone, also when it was.
bool forceDeleteFile(Files& files, const std::string& path);
// The same, telling what happened: a name that is not a plain file is refused.
FileStatus deleteName(Files& files, const std::string& path);
// Gives the file, opened exactly as named, another name in its folder; a taken name is refused.
FileStatus renameName(Files& files, const std::string& path, const std::string& newName);

}  // namespace vellox
