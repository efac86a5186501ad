#include "browsers/found_text.h"
#include <algorithm>

namespace vellox {

namespace {

constexpr std::uint64_t kKB = 1024, kMB = kKB * 1024, kGB = kMB * 1024;

std::uint64_t rounded(std::uint64_t bytes, std::uint64_t unit) { return (bytes + unit / 2) / unit; }

}  // namespace

std::string withThousands(std::uint64_t n) {
  const std::string digits = std::to_string(n);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

std::string counted(std::uint64_t n, const char* one, const char* many) {
  return withThousands(n) + " " + (n == 1 ? one : many);
}

std::string sizeText(std::uint64_t bytes) {
  if (bytes < kMB) return withThousands(bytes == 0 ? 0 : std::max<std::uint64_t>(1, rounded(bytes, kKB))) + " KB";
  if (bytes < kGB) return withThousands(rounded(bytes, kMB)) + " MB";
  const std::uint64_t tenths = rounded(bytes * 10, kGB);
  return withThousands(tenths / 10) + "." + std::to_string(tenths % 10) + " GB";
}

}  // namespace vellox
