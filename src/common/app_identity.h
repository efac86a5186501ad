#pragma once
#include <string>

namespace vellox {

// The title keeps its leading blank: it names the settings store and the Run value.
inline constexpr const char* kAppTitle = " Tarn Vellox";
inline constexpr const char* kExeBaseName = "vellox";

// "major.minor" of the version built, as the About tab, the splash and the update check show it.
std::string versionText();

}  // namespace vellox
