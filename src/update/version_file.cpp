#include "update/version_file.h"
#include <algorithm>
#include <charconv>

namespace vellox {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string firstField(std::string_view contents) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (contents.substr(0, kBom.size()) == kBom) contents.remove_prefix(kBom.size());
  std::string_view line = contents.substr(0, contents.find_first_of("\r\n"));
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  if (!line.empty() && line.front() == '"') {
    line.remove_prefix(1);
    return std::string(line.substr(0, line.find('"')));
  }
  return std::string(trimBlanks(line.substr(0, line.find(','))));
}

std::strong_ordering Version::operator<=>(const Version& other) const {
  const std::size_t count = std::max(parts.size(), other.parts.size());
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t mine = i < parts.size() ? parts[i] : 0;
    const std::uint32_t theirs = i < other.parts.size() ? other.parts[i] : 0;
    if (mine != theirs) return mine <=> theirs;
  }
  return std::strong_ordering::equal;
}

std::optional<Version> parseVersion(std::string_view field) {
  field = trimBlanks(field);
  Version version;
  for (;;) {
    std::uint32_t part = 0;
    const char* begin = field.data();
    const char* end = begin + field.size();
    const auto [stop, error] = std::from_chars(begin, end, part);
    if (error != std::errc()) return std::nullopt;
    version.parts.push_back(part);
    field.remove_prefix(static_cast<std::size_t>(stop - begin));
    if (field.empty()) return version;
    if (field.front() != '.') return std::nullopt;
    field.remove_prefix(1);
  }
}

}  // namespace vellox
