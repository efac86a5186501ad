#include "fakes/fake_system_folders.h"
#include <algorithm>
#include <cctype>
#include <locale>

namespace vellox::test {

namespace {

std::vector<std::string> split(const std::string& path) {
  std::vector<std::string> parts(1);
  for (char c : path) {
    if (c == '\\') parts.emplace_back();
    else parts.back() += c;
  }
  while (parts.size() > 1 && parts.back().empty()) parts.pop_back();
  return parts;
}

std::u32string decode(const std::string& utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < utf8.size(); ++k) c = (c << 6) | (utf8[i + k] & 0x3F);
    out += c;
    i += extra + 1;
  }
  return out;
}

// Simple one-to-one upper case, as the system's ordinal comparison uses: "ß" stays "ß".
char32_t upper(char32_t c) {
  static const std::locale unicode("C.UTF-8");
  return static_cast<char32_t>(std::use_facet<std::ctype<wchar_t>>(unicode).toupper(static_cast<wchar_t>(c)));
}

}  // namespace

bool FakeSystemFolders::sameName(const std::string& a, const std::string& b) {
  const auto wa = decode(a), wb = decode(b);
  return std::equal(wa.begin(), wa.end(), wb.begin(), wb.end(),
                    [](char32_t x, char32_t y) { return upper(x) == upper(y); });
}

std::string FakeSystemFolders::throughLinks(const std::string& path) {
  const auto parts = split(path);
  for (const auto& [link, target] : links) {
    const auto linkParts = split(link);
    if (linkParts.size() > parts.size()) continue;
    if (!std::equal(linkParts.begin(), linkParts.end(), parts.begin(),
                    [this](const std::string& x, const std::string& y) { return sameName(x, y); }))
      continue;
    std::string result = target;
    for (std::size_t i = linkParts.size(); i < parts.size(); ++i) result += "\\" + parts[i];
    return result;
  }
  return path;
}

// The path as the tree spells it, found level by level without regard to case.
FileStatus FakeSystemFolders::storedSpelling(const std::string& path, std::string& stored) {
  const auto parts = split(path);
  stored.clear();
  if (parts[0].size() != 2 || parts[0][1] != ':') return {FileErrc::NotFound};  // only drive paths here
  const std::string drive{static_cast<char>(std::toupper(static_cast<unsigned char>(parts[0][0]))), ':'};
  if (!files_.exists(drive)) return {FileErrc::NotFound};
  stored = drive;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (!files_.node(stored).directory) return {FileErrc::NotFound};
    const FolderListing listing = files_.readFolder(stored);
    if (!listing.opened) return {FileErrc::AccessDenied};
    const auto& entries = listing.entries;
    auto match = std::find_if(entries.begin(), entries.end(),
                              [&](const DirEntry& e) { return sameName(e.name, parts[i]); });
    if (match == entries.end()) return {FileErrc::NotFound};
    stored += "\\" + match->name;
  }
  return {};
}

FolderLookup FakeSystemFolders::resolve(const std::string& path) {
  std::string stored;
  if (path.empty()) return {FolderState::Missing, {}};
  const FileStatus found = storedSpelling(throughLinks(path), stored);
  if (found.code == FileErrc::NotFound) return {FolderState::Missing, {}};
  if (!found.ok() || std::count(unreadable.begin(), unreadable.end(), stored)) return {FolderState::Unreadable, {}};
  if (!files_.node(stored).directory) return {FolderState::NotAFolder, {}};
  return {FolderState::Folder, stored.size() == 2 ? stored + "\\" : stored};
}

}  // namespace vellox::test
