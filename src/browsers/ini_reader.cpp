#include "browsers/ini_reader.h"

namespace vellox {

namespace {

std::string_view trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

const std::string* IniSection::value(std::string_view key) const {
  for (const auto& [k, v] : values)
    if (k == key) return &v;
  return nullptr;
}

std::vector<IniSection> parseIni(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<IniSection> sections;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      sections.push_back({std::string(trimmed(line.substr(1, line.size() - 2))), {}});
      continue;
    }
    const auto equals = line.find('=');
    if (sections.empty() || equals == std::string_view::npos) continue;
    sections.back().values.emplace_back(trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
  }
  return sections;
}

}  // namespace vellox
