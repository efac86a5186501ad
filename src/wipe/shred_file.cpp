#include "wipe/shred_file.h"
#include "erase/given_names.h"
#include "erase/node_shred.h"
#include "erase/shred_batch.h"
#include "erase/tree_walk.h"

namespace vellox {

namespace {

constexpr std::uint64_t kBlock = 1024;

// The name exactly as given, opened once: everything after goes through that handle.
std::shared_ptr<FileNode> openGiven(Files& files, const std::string& path, FileStatus& status) {
  return GivenNames(files).open(path, status);
}

}  // namespace

Shred shredFile(Files& files, const std::string& path, int passes, ShredControl* control) {
  if (control && control->stopped()) return {ShredEnd::Cancelled, kCancelledReason};
  FileStatus status;
  const auto node = openGiven(files, path, status);
  // A file that vanished is not recreated just to be deleted again.
  if (!node) return {status.code == FileErrc::NotFound ? ShredEnd::Missing : ShredEnd::NotWiped, causeOf(status)};
  if (passes < 1 && !notAFile(*node)) {
    removeName(*node);
    return {ShredEnd::NotWiped, "no pass was made"};
  }
  return shredNode(*node, passes, 1, control);
}

std::vector<Shred> shredFiles(Files& files, const std::vector<std::string>& paths, std::size_t first, int passes,
                              ShredControl& control) {
  std::vector<FoundName> names;
  std::vector<Shred> results;
  std::vector<std::size_t> opened;  // result index of each name
  GivenNames given(files);
  for (std::size_t i = first; i < paths.size(); ++i) {
    FileStatus status;
    auto node = given.open(paths[i], status);
    results.push_back(node ? Shred{} : Shred{status.code == FileErrc::NotFound ? ShredEnd::Missing : ShredEnd::NotWiped,
                                             causeOf(status)});
    if (!node) continue;
    opened.push_back(results.size() - 1);
    names.push_back(given.found(paths[i], std::move(node)));
  }
  // The batch numbers its names from 0; the caller's numbers count from `first`.
  auto started = control.started;
  auto finished = control.finished;
  if (started) control.started = [&](std::size_t k) { started(first + opened[k]); };
  if (finished) control.finished = [&](std::size_t k, const Shred& shred) { finished(first + opened[k], shred); };
  const std::vector<Shred> done = shredFound(names, passes, control);
  control.started = started;
  control.finished = finished;
  for (std::size_t k = 0; k < done.size(); ++k) results[opened[k]] = done[k];
  return results;
}

std::uint64_t passLength(std::uint64_t length) { return (length / kBlock + 1) * kBlock; }

std::uint64_t bytesToWrite(std::uint64_t length, int passes) {
  std::uint64_t total = 0;
  // Each pass measures the file anew, so it runs one block past the pass before it.
  for (int pass = 1; pass <= passes; ++pass, length = passLength(length)) total += passLength(length);
  return total;
}

FileStatus deleteName(Files& files, const std::string& path) {
  FileStatus status;
  const auto node = openGiven(files, path, status);
  if (!node) return status;
  if (node->facts().kind != NodeKind::File) return {FileErrc::Other, 5, "it is not a file"};
  return removeName(*node);
}

FileStatus renameName(Files& files, const std::string& path, const std::string& newName) {
  FileStatus status;
  const auto node = openGiven(files, path, status);
  if (!node) return status;
  if (node->facts().kind != NodeKind::File) return {FileErrc::Other, 5, "it is not a file"};
  return node->rename(newName);
}

bool forceDeleteFile(Files& files, const std::string& path) {
  const FileStatus removed = deleteName(files, path);
  return removed.ok() || removed.code == FileErrc::NotFound;
}

}  // namespace vellox
