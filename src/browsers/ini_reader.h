#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellox {

// One "[name]" section of an INI file with its "key=value" lines in the file's order.
struct IniSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> values;

  // The first value of `key`; none when the section lacks it.
  const std::string* value(std::string_view key) const;
};

// Sections in the file's order. Lines outside any section, comments (";", "#") and lines
// without "=" are passed over; keys and values lose their surrounding blanks.
std::vector<IniSection> parseIni(std::string_view text);

}  // namespace vellox
