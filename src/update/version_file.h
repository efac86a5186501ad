#pragma once
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellox {

// The first data field of the version file: the first line only, leading blanks
// skipped, up to the first comma; a field in double quotes runs to the closing quote.
std::string firstField(std::string_view contents);

// A version read part by part, so 1.10 comes after 1.9; missing parts count as 0, so 1.0
// and 1 are the same.
struct Version {
  std::vector<std::uint32_t> parts;
  std::strong_ordering operator<=>(const Version& other) const;
  bool operator==(const Version& other) const { return (*this <=> other) == 0; }
};

// The field as whole numbers joined by ".", whatever the user's locale says; nothing when
// the whole field is not such a version.
std::optional<Version> parseVersion(std::string_view field);

}  // namespace vellox
