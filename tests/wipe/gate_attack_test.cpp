// Attacks the gate with random trees: whatever is wiped or cleared, and whatever an attacker
// swaps meanwhile, nothing outside the target changes, and the counts are what happened.
#include <gtest/gtest.h>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <thread>
#include "erase/clearing.h"
#include "platform/posix/posix_files.h"
#include "wipe/shred_file.h"
#include "wipe/temp_dir.h"

namespace vellox::test {
namespace {

namespace fs = std::filesystem;

// Every file below `root` with its bytes, and every link with where it leads.
std::map<std::string, std::string> snapshot(const std::string& root) {
  std::map<std::string, std::string> seen;
  std::error_code ignored;
  for (auto it = fs::recursive_directory_iterator(root, ignored); it != fs::recursive_directory_iterator(); ++it) {
    const auto& p = it->path();
    if (it->is_symlink()) seen[p.string()] = "-> " + fs::read_symlink(p).string();
    else if (it->is_regular_file()) seen[p.string()] = readText(p.string());
  }
  return seen;
}

struct World {
  std::string target, outside;
  std::string plan;  // the tree as built, printed when a seed fails
};

// A tree inside the target and a folder outside it, tied together by hard links and links.
World build(const TempDir& dir, std::mt19937& random) {
  World w{dir / "target", dir / "outside", ""};
  fs::create_directories(w.outside + "/deep");
  writeText(w.outside + "/precious", "outside data");
  writeText(w.outside + "/deep/also", "outside too");
  const std::string names[] = {"a.txt", "report.", "Budget ", "b", "B", "con", std::string(120, 'n')};
  std::uniform_int_distribution<int> pick(0, 99);
  std::ostringstream plan;
  for (int i = 0; i < 24; ++i) {
    const std::string folder = w.target + (pick(random) < 40 ? "/sub" + std::to_string(pick(random) % 3) : "");
    const std::string name = folder + "/" + std::to_string(i) + names[pick(random) % 7];
    fs::create_directories(folder);
    const int kind = pick(random);
    if (kind < 50) {
      writeText(name, std::string(static_cast<std::size_t>(pick(random) * 97), 'x'));
      if (kind < 10) fs::permissions(name, fs::perms::owner_read);
      plan << "file " << name << "\n";
    } else if (kind < 65) {
      writeText(name, "shared inside");
      fs::create_hard_link(name, name + ".twin");
      plan << "hard link pair inside " << name << "\n";
    } else if (kind < 75) {
      fs::create_hard_link(w.outside + "/precious", name);
      plan << "hard link across " << name << "\n";
    } else if (kind < 90) {
      fs::create_directory_symlink(w.outside, name);
      plan << "folder link " << name << "\n";
    } else {
      fs::create_directories(name);
      plan << "empty folder " << name << "\n";
    }
  }
  w.plan = plan.str();
  return w;
}

// Swaps the target's subfolders for links to the outside while the gate runs.
void attack(const World& w, std::mt19937::result_type seed) {
  std::mt19937 random(seed);
  for (int round = 0; round < 3; ++round) {
    const std::string sub = w.target + "/sub" + std::to_string(random() % 3);
    std::error_code ignored;
    if (fs::is_directory(fs::symlink_status(sub, ignored))) {
      fs::rename(sub, sub + ".moved", ignored);
      fs::create_directory_symlink(w.outside, sub, ignored);
    }
    std::this_thread::yield();
  }
}

TEST(GateAttack, NothingOutsideTheTargetChangesAndTheCountsAreWhatHappened) {
  auto files = posix::makeFiles();
  for (std::mt19937::result_type seed = 1; seed <= 40; ++seed) {
    TempDir dir;
    std::mt19937 random(seed);
    const World w = build(dir, random);
    const auto before = snapshot(w.outside);
    const auto inside = snapshot(w.target);
    ShredControl control;
    std::jthread attacker([&] { attack(w, seed); });
    const Cleared cleared = clearNamed(*files, w.target, 1 + static_cast<int>(seed % 3), control);
    attacker.join();
    SCOPED_TRACE("seed " + std::to_string(seed) + "; the tree:\n" + w.plan);
    EXPECT_EQ(snapshot(w.outside), before) << "something outside the target changed";
    // A file still in the target (where the attacker did not move things) is reported as left.
    std::set<std::string> reported;
    for (const auto& left : cleared.left) reported.insert(left.path);
    for (const auto& [path, bytes] : snapshot(w.target)) {
      if (path.find("/sub") != std::string::npos) continue;
      EXPECT_TRUE(reported.count(path)) << path << " stayed unreported";
    }
    // What went is what was there: the names found, and the links the attacker put in (as names).
    EXPECT_LE(cleared.removed, inside.size() + 3);
  }
}

}  // namespace
}  // namespace vellox::test
