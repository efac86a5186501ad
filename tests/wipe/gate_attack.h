// Attacks the gate with random trees: whatever is wiped or cleared, and whatever an attacker
// swaps meanwhile, nothing outside the chosen names changes, and the counts are what happened.
// The same generator runs on POSIX files and, under Wine, on Windows' own.
#pragma once
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>
#include "erase/clearing.h"
#include "wipe/shred_file.h"

namespace vellox::test {

// How the attack touches the disk, never through the code under test.
class AttackDisk {
 public:
  virtual ~AttackDisk() = default;
  // Makes the folders on the way too.
  virtual void makeFile(const std::string& path, const std::string& bytes, bool readOnly) = 0;
  virtual void makeFolder(const std::string& path) = 0;
  virtual bool hardLink(const std::string& existing, const std::string& name) = 0;
  virtual bool folderLink(const std::string& target, const std::string& name) = 0;
  // Held without sharing until release(); false where files cannot be held so.
  virtual bool holdOpen(const std::string& path) = 0;
  virtual void release() = 0;
  virtual bool isFolder(const std::string& path) = 0;  // a real folder, not a link to one
  virtual bool move(const std::string& from, const std::string& to) = 0;
  // Every name below `root`, links not followed: a file with its bytes (and " read-only" after
  // them when it is), a folder as "folder", a link as "link".
  virtual std::map<std::string, std::string> snapshot(const std::string& root) = 0;
  // Reads the file's bytes later through a handle opened now, after its names are gone; null
  // where a handle held open would change how the file goes.
  virtual std::function<std::string()> watch(const std::string&) { return {}; }
  // Whether a name marked for deletion goes at the last close by the path it was opened with
  // (Wine), so that a folder moved in between keeps it: names the user gave one by one are then
  // not attacked.
  virtual bool deletesByPath() const { return false; }
};

enum class Chosen { Folder, Subfolder, File, Link, Dropped };

struct World {
  std::string root, target, outside;
  std::vector<std::string> files, links;  // made inside the target
  // The two names of a file inside, with a reader of its data that outlives them.
  std::vector<std::pair<std::string, std::function<std::string()>>> pairs;
  std::string plan;                       // printed when a seed fails
};

// The target's subfolders: two end in a blank or a dot, each beside a folder of the name the
// system's path rules would make of it.
inline std::string subfolder(const World& w, char sep, std::size_t k) {
  static const char* const names[] = {"sub0", "sub1 ", "sub2."};
  return w.target + sep + names[k % 3];
}

inline World buildWorld(AttackDisk& disk, const std::string& root, char sep, std::mt19937& random) {
  World w{root, root + sep + "target", root + sep + "outside", {}, {}, {}, ""};
  // Read-only, so that removing a name inside that shares its data must put the mark back.
  disk.makeFile(w.outside + sep + "precious", "outside data", true);
  disk.makeFile(w.outside + sep + "deep" + sep + "also", "outside too", false);
  // Trailing dots and blanks (each beside its neighbour without), case twins, a device name, a
  // long name.
  const std::string names[] = {"a.txt", "report.", "Budget ", "b", "B", "con", std::string(120, 'n')};
  std::uniform_int_distribution<int> pick(0, 99);
  std::ostringstream plan;
  disk.makeFile(w.target + sep + "sub1" + sep + "kept", "neighbour folder", false);
  disk.makeFile(w.target + sep + "sub2" + sep + "kept", "neighbour folder", false);
  for (int i = 0; i < 24; ++i) {
    const std::string folder = pick(random) < 40 ? subfolder(w, sep, static_cast<std::size_t>(pick(random))) : w.target;
    const std::string name = folder + sep + std::to_string(i) + names[pick(random) % 7];
    const int kind = pick(random);
    if (kind < 50) {
      disk.makeFile(name, std::string(static_cast<std::size_t>(pick(random) * 97), 'x'), kind < 10);
      w.files.push_back(name);
      if (name.back() == '.' || name.back() == ' ') disk.makeFile(name.substr(0, name.size() - 1), "neighbour", false);
      if (kind < 5 && disk.holdOpen(name)) plan << "held open ";
      plan << "file " << name << "\n";
    } else if (kind < 65) {
      disk.makeFile(name, "shared inside", false);
      if (disk.hardLink(name, name + ".twin")) {
        w.files.push_back(name + ".twin");
        if (auto reader = disk.watch(name)) w.pairs.emplace_back(name, std::move(reader));
      }
      w.files.push_back(name);
      plan << "hard link pair inside " << name << "\n";
    } else if (kind < 75) {
      if (disk.hardLink(w.outside + sep + "precious", name)) w.files.push_back(name);
      plan << "hard link across " << name << "\n";
    } else if (kind < 90) {
      if (disk.folderLink(w.outside, name)) w.links.push_back(name);
      plan << "folder link " << name << "\n";
    } else {
      disk.makeFolder(name);
      plan << "empty folder " << name << "\n";
    }
  }
  w.plan = plan.str();
  return w;
}

// Swaps the target's subfolders for links to the outside while the gate runs.
inline void attack(AttackDisk& disk, const World& w, char sep, std::mt19937::result_type seed) {
  std::mt19937 random(seed);
  for (int round = 0; round < 3; ++round) {
    const std::string sub = subfolder(w, sep, random());
    if (disk.isFolder(sub) && disk.move(sub, sub + ".moved")) disk.folderLink(w.outside, sub);
    std::this_thread::yield();
  }
}

struct Wiped {
  std::vector<std::string> chosen;
  std::size_t gone = 0;               // names the gate says went
  std::set<std::string> reported;     // names it says stayed
  bool folder = false;
};

inline Wiped wipeChosen(Files& files, const World& w, Chosen how, char sep, std::mt19937& random, int passes) {
  Wiped wiped;
  ShredControl control;
  auto any = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
  if (how == Chosen::Link && w.links.empty()) how = Chosen::File;
  // A link typed as the folder to clear is left in place and reported, never walked.
  const bool linkCleared = how == Chosen::Link && random() % 2;
  if ((how == Chosen::File || how == Chosen::Dropped) && w.files.empty()) how = Chosen::Folder;
  if (linkCleared || how == Chosen::Folder || how == Chosen::Subfolder) {
    wiped.folder = !linkCleared;
    wiped.chosen = {linkCleared ? any(w.links) : how == Chosen::Folder ? w.target : subfolder(w, sep, random())};
    const Cleared cleared = clearNamed(files, wiped.chosen[0], passes, control);
    wiped.gone = cleared.removed;
    // Reports may name a path in its literal form ("\\?\C:\..."): the same name.
    for (const auto& left : cleared.left)
      wiped.reported.insert(left.path.substr(left.path.rfind(R"(\\?\)", 0) ? 0 : 4));
    // A clearing passes over a name that is not there (its folder moved aside): nothing claimed.
    if (linkCleared && wiped.gone == 0) wiped.reported.insert(wiped.chosen[0]);
    return wiped;
  }
  std::vector<std::string> batch{""};
  // Dropped files are a few, or all of them, so that names of one file meet in one batch.
  const std::size_t count = how != Chosen::Dropped ? 1 : random() % 2 ? w.files.size() * 2 : 1 + random() % 5;
  // A single file is one whose name ends in a dot or a blank where there is one: its neighbour
  // is what the system's path rules would wipe instead.
  std::vector<std::string> exact;
  std::copy_if(w.files.begin(), w.files.end(), std::back_inserter(exact),
               [](const std::string& name) { return name.back() == '.' || name.back() == ' '; });
  const auto& from = how == Chosen::Link ? w.links : how == Chosen::File && !exact.empty() ? exact : w.files;
  for (std::size_t i = 0; i < count; ++i) batch.push_back(any(from));
  std::sort(batch.begin() + 1, batch.end());
  batch.erase(std::unique(batch.begin() + 1, batch.end()), batch.end());
  const std::vector<Shred> results = shredFiles(files, batch, 1, passes, control);
  for (std::size_t i = 0; i < results.size(); ++i) {
    wiped.chosen.push_back(batch[i + 1]);
    const Shred& r = results[i];
    if (r.end == ShredEnd::Wiped || r.end == ShredEnd::LinkRemoved || r.nameRemoved) ++wiped.gone;
    else wiped.reported.insert(batch[i + 1]);
  }
  return wiped;
}

inline bool under(const std::string& path, const std::string& folder, char sep) {
  return path == folder || path.rfind(folder + sep, 0) == 0;
}

// The tree as it would be had the attacker not moved folders aside: what it moved is back
// under its first name, in place of the link it put there (which sorts before it).
inline std::map<std::string, std::string> unmoved(const std::map<std::string, std::string>& seen, const World& w) {
  std::map<std::string, std::string> back;
  for (const auto& [path, bytes] : seen) {
    const auto at = path.rfind(w.target, 0) == 0 ? path.find(".moved") : std::string::npos;
    if (at == std::string::npos) back.emplace(path, bytes);
    else back[path.substr(0, at) + path.substr(at + 6)] = bytes;
  }
  return back;
}

// Byte for byte, everything that was not chosen is as it was; every chosen name that stayed is
// reported; what the gate says went is what went.
inline void checkAttack(AttackDisk& disk, const World& w, const Wiped& wiped, char sep,
                        const std::map<std::string, std::string>& before) {
  auto notChosen = [&](const std::map<std::string, std::string>& seen) {
    std::map<std::string, std::string> kept;
    for (const auto& [path, bytes] : seen)
      if (std::none_of(wiped.chosen.begin(), wiped.chosen.end(), [&](const auto& c) { return under(path, c, sep); }))
        kept.emplace(path, bytes);
    return kept;
  };
  const auto after = unmoved(disk.snapshot(w.root), w);
  // A file whose every name went had its data written first, whichever worker took which name.
  for (const auto& [name, read] : w.pairs)
    if (!after.count(name) && !after.count(name + ".twin")) EXPECT_NE(read(), "shared inside") << name << " went unwritten";
  EXPECT_EQ(notChosen(after), notChosen(before)) << "something that was not chosen changed";
  if (wiped.folder) {
    std::size_t inside = 0;
    for (const auto& [path, bytes] : before) inside += under(path, wiped.chosen[0], sep) && bytes != "folder";
    for (const auto& [path, bytes] : after) {
      if (bytes == "folder" || !under(path, wiped.chosen[0], sep) || path.find("sub") != std::string::npos) continue;
      EXPECT_TRUE(wiped.reported.count(path)) << path << " stayed unreported";
    }
    EXPECT_LE(wiped.gone, inside + 3) << "more went than was there and the attacker added";
    return;
  }
  std::size_t gone = 0;
  for (const auto& name : wiped.chosen) {
    gone += !after.count(name);
    if (after.count(name)) EXPECT_TRUE(wiped.reported.count(name)) << name << " stayed unreported";
  }
  EXPECT_EQ(wiped.gone, gone) << "the results do not say what went";
}

// One seed: build, snapshot, wipe what it picks while the attacker runs, check.
inline void runAttackSeed(AttackDisk& disk, Files& files, const std::string& root, char sep,
                          std::mt19937::result_type seed) {
  std::mt19937 random(seed);
  const World w = buildWorld(disk, root, sep, random);
  const auto before = disk.snapshot(root);
  const auto how = static_cast<Chosen>(seed % 5);
  Wiped wiped;
  {
    const bool byName = how != Chosen::Folder && how != Chosen::Subfolder;
    std::jthread attacker([&] {
      if (!(byName && disk.deletesByPath())) attack(disk, w, sep, seed);
    });
    wiped = wipeChosen(files, w, how, sep, random, 1 + static_cast<int>(seed % 3));
  }
  disk.release();
  SCOPED_TRACE("seed " + std::to_string(seed) + ", chose " + std::to_string(static_cast<int>(how)) + " " +
               (wiped.chosen.empty() ? "" : wiped.chosen[0]) + "; the tree:\n" + w.plan);
  checkAttack(disk, w, wiped, sep, before);
}

}  // namespace vellox::test
