#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vellox {

// The first data field of the version file: the first line only, leading blanks
// skipped, up to the first comma; a field in double quotes runs to the closing quote.
std::string firstField(std::string_view contents);

// The field as a number with "." as the decimal point whatever the user's locale
// says; nothing when the whole field is not a number.
std::optional<double> parseVersion(std::string_view field);

}  // namespace vellox
