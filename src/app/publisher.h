#pragma once
#include "build_config.h"

namespace vellox {

inline constexpr const char* kPublisherLine = "Tarn Vellox Software, Inc.";
inline constexpr const char* kPublisherAddress =
    "Tarn Vellox Software, Inc.\r\n14 Quarry Lane, Suite 3\r\nHollins Bay, NS B0J 2K0";
inline constexpr const char* kPublisherWarning =
    "Warning: this program is protected by copyright law. Unauthorised copying or "
    "distribution of it, or of any part of it, may result in civil and criminal penalties.";
inline constexpr const char* kPublisherHomePage = build::kHomeUrl;

}  // namespace vellox
