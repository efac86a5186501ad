#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "platform/utf8.h"

namespace vellox {

// UTF-8 text as the UTF-16 LE bytes the registry stores, without a NUL.
inline std::vector<std::uint8_t> utf16Bytes(const std::string& text) {
  std::vector<std::uint8_t> bytes;
  auto unit = [&](char32_t u) {
    bytes.push_back(static_cast<std::uint8_t>(u & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(u >> 8));
  };
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < text.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += 1 + extra;
    if (c >= 0x10000) {
      c -= 0x10000;
      unit(0xD800 + (c >> 10));
      unit(0xDC00 + (c & 0x3FF));
    } else {
      unit(c);
    }
  }
  return bytes;
}

// UTF-16 LE bytes as UTF-8 text, every unit kept (NULs too); an odd last byte is dropped.
inline std::string utf8FromUtf16(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t c = bytes[i] | (bytes[i + 1] << 8);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
      const char32_t low = bytes[i + 2] | (bytes[i + 3] << 8);
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    appendUtf8(text, c);
  }
  return text;
}

}  // namespace vellox
