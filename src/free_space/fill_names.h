#pragma once
#include <cstddef>
#include <string>

namespace vellox {

// The folder the fill files go in, inside the user's temporary folder or at a volume's root.
inline constexpr const char* kFillFolderName = "Vellox free space";

// "vellox-fill-000001.tmp": only names of this form are ever removed as leftovers.
std::string fillFileName(std::size_t number);
bool isFillFileName(const std::string& name);

}  // namespace vellox
