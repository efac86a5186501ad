#pragma once
#include <string>

namespace vellox {

// The title keeps its leading blank: it names the settings store and the Run value.
inline constexpr const char* kAppTitle = " Tarn Vellox";
inline constexpr const char* kExeBaseName = "vellox";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;

inline std::string versionText() {
  return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

}  // namespace vellox
