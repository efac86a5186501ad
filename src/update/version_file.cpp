#include "update/version_file.h"
#include <charconv>
#include <cmath>

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

std::optional<double> parseVersion(std::string_view field) {
  field = trimBlanks(field);
  if (field.empty()) return std::nullopt;
  double value = 0;
  const auto* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, value, std::chars_format::fixed);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace vellox
