#pragma once
#include <cstdint>
#include <string>

namespace vellox {

// 1234567 as "1,234,567".
std::string withThousands(std::uint64_t n);
// "1 page", "1,234 pages".
std::string counted(std::uint64_t n, const char* one, const char* many);
// Whole KB below a megabyte, whole MB below a gigabyte, GB with one decimal above; any bytes
// at all make at least "1 KB".
std::string sizeText(std::uint64_t bytes);

}  // namespace vellox
