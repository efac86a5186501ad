#include "wipe/shred_name.h"
#include <algorithm>
#include <array>
#include <cctype>

namespace vellox {

namespace {

constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
// A name can be taken already; a few draws find a free one but for the shortest names.
constexpr int kDraws = 4;

// UTF-8 characters: every byte but the continuation bytes starts one.
std::size_t characters(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool isDeviceName(const std::string& name) {
  static constexpr std::array<const char*, 4> kPlain{"con", "prn", "aux", "nul"};
  if (std::find_if(kPlain.begin(), kPlain.end(), [&](const char* d) { return name == d; }) != kPlain.end())
    return true;
  return name.size() == 4 && (name.rfind("com", 0) == 0 || name.rfind("lpt", 0) == 0) &&
         std::isdigit(static_cast<unsigned char>(name[3]));
}

}  // namespace

std::string randomNameLike(const std::string& name, std::mt19937& random) {
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 2);
  std::string made;
  do {
    made.clear();
    for (std::size_t i = characters(name); i > 0; --i) made += kAlphabet[pick(random)];
  } while (isDeviceName(made));
  return made;
}

std::string renameAway(FileNode& node, int times) {
  std::mt19937 random{std::random_device{}()};
  std::string current = node.path().substr(node.path().find_last_of("\\/") + 1);
  for (int round = 0; round < times; ++round) {
    bool renamed = false;
    for (int draw = 0; draw < kDraws && !renamed; ++draw) {
      const std::string name = randomNameLike(current, random);
      renamed = node.rename(name).ok();
      if (renamed) current = name;
    }
    if (!renamed) break;
  }
  return current;
}

}  // namespace vellox
