#include "erase/shred_batch.h"
#include <algorithm>
#include <map>
#include <mutex>
#include <thread>
#include "erase/node_shred.h"

namespace vellox {

namespace {

// The names of one file, in the order they were found.
using Group = std::vector<std::size_t>;

std::vector<Group> groupByIdentity(const std::vector<FoundName>& names) {
  std::vector<Group> groups;
  std::map<FileIdentity, std::size_t> shared;  // a file of several names -> its group
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i].facts.links > 1) {
      auto [at, added] = shared.try_emplace(names[i].facts.identity, groups.size());
      if (!added) {
        groups[at->second].push_back(i);
        continue;
      }
    }
    groups.push_back({i});
  }
  return groups;
}

Shred unopened(const FileStatus& status) {
  if (status.code == FileErrc::NotFound) return {ShredEnd::Missing, causeOf(status)};
  return {ShredEnd::NotWiped, causeOf(status)};
}

Shred removeOneName(const FoundName& name) {
  FileStatus status;
  auto node = reopen(name, status);
  if (!node) return unopened(status);
  status = removeName(*node);
  return {ShredEnd::SharedData, kSharedDataReason, status.ok()};
}

// All the names of a file are here: the data is written once, through the first, then the
// others go. Nothing else is touched when the first could not be wiped.
void shredGroup(const std::vector<FoundName>& names, const Group& group, int passes, ShredControl& control,
                std::vector<Shred>& results) {
  const FoundName& first = names[group.front()];
  const auto count = static_cast<std::uint32_t>(group.size());
  if (count > 1 && first.facts.links > count) {
    for (std::size_t index : group) results[index] = removeOneName(names[index]);
    return;
  }
  FileStatus status;
  auto node = reopen(first, status);
  const Shred shred = node ? shredNode(*node, passes, count, &control) : unopened(status);
  node.reset();
  results[group.front()] = shred;
  for (std::size_t k = 1; k < group.size(); ++k) {
    Shred& other = results[group[k]];
    if (!shred) {
      other = shred;
      continue;
    }
    auto name = reopen(names[group[k]], status);
    const FileStatus removed = name ? removeName(*name) : status;
    other = removed.ok() ? shred : Shred{ShredEnd::NotWiped, "it was overwritten but could not be deleted: " + causeOf(removed)};
  }
}

}  // namespace

std::vector<Shred> shredFound(const std::vector<FoundName>& names, int passes, ShredControl& control) {
  std::vector<Shred> results(names.size(), Shred{ShredEnd::Cancelled, kCancelledReason});
  const std::vector<Group> groups = groupByIdentity(names);
  std::mutex order;
  std::size_t next = 0;
  // Each worker takes the next file in order, with all its names; its passes stay on that worker.
  auto work = [&] {
    for (;;) {
      const Group* group = nullptr;
      {
        std::lock_guard guard(order);
        if (next >= groups.size()) return;
        group = &groups[next++];
        if (control.started)
          for (std::size_t index : *group) control.started(index);
      }
      // A file not started before the cancel comes back Cancelled without being touched.
      if (!control.stopped()) shredGroup(names, *group, passes, control, results);
      if (control.finished)
        for (std::size_t index : *group) control.finished(index, results[index]);
    }
  };
  const std::size_t workers =
      std::min<std::size_t>(std::max(control.workers, 1u), std::max<std::size_t>(groups.size(), 1));
  {
    // Joined on the way out, also when this thread's share throws.
    std::vector<std::jthread> helpers;
    for (std::size_t i = 1; i < workers; ++i) helpers.emplace_back(work);
    work();
  }
  return results;
}

}  // namespace vellox
