#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "windows_traces/registry_traces.h"

namespace vellox {

// The keys and values as regedit exports them under HKEY_CURRENT_USER: UTF-16 LE with its
// byte-order mark, "Windows Registry Editor Version 5.00", CR LF line ends. Importing the
// file gives every value back with its type and exact bytes.
std::vector<std::uint8_t> regFileBytes(const std::vector<KeyValues>& keys);

}  // namespace vellox
