#include "free_space/fill_names.h"
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace vellox {

namespace {
constexpr std::string_view kPrefix = "vellox-fill-";
constexpr std::string_view kSuffix = ".tmp";
}  // namespace

std::string fillFileName(std::size_t number) {
  char digits[24];
  std::snprintf(digits, sizeof digits, "%06zu", number);
  return std::string(kPrefix) + digits + std::string(kSuffix);
}

bool isFillFileName(const std::string& name) {
  if (name.size() <= kPrefix.size() + kSuffix.size()) return false;
  if (name.compare(0, kPrefix.size(), kPrefix) != 0) return false;
  if (name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0) return false;
  const std::string_view digits(name.data() + kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  return std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

}  // namespace vellox
