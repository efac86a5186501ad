#include "windows_traces/reg_file.h"
#include <cstdio>
#include "platform/utf16.h"

namespace vellox {

namespace {

// regedit breaks hex lists after the byte that takes a line past this width.
constexpr std::size_t kHexWrap = 76;

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

// A REG_SZ that reads back the same from "..." form: whole UTF-16 units, one NUL at the end only.
bool plainText(const RegValue& value) {
  const auto& d = value.data;
  if (value.type != kRegSz || d.size() < 2 || d.size() % 2 != 0) return false;
  if (d[d.size() - 1] != 0 || d[d.size() - 2] != 0) return false;
  for (std::size_t i = 0; i + 2 < d.size(); i += 2) {
    const unsigned unit = d[i] | (d[i + 1] << 8);
    if (unit == 0 || unit == '\r' || unit == '\n') return false;
  }
  return true;
}

std::string hexList(std::string line, const std::vector<std::uint8_t>& data) {
  std::string out;
  for (std::size_t i = 0; i < data.size(); ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02x", data[i]);
    line += byte;
    if (i + 1 == data.size()) break;
    line += ',';
    if (line.size() > kHexWrap) {
      out += line + "\\\r\n";
      line = "  ";
    }
  }
  return out + line;
}

std::string valueLine(const RegValue& value) {
  std::string line = (value.name.empty() ? "@" : quoted(value.name)) + "=";
  if (plainText(value))
    return line + quoted(utf8FromUtf16({value.data.begin(), value.data.end() - 2}));
  if (value.type == kRegDword && value.data.size() == 4) {
    char text[16];
    const unsigned v = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) | (unsigned(value.data[3]) << 24);
    std::snprintf(text, sizeof text, "dword:%08x", v);
    return line + text;
  }
  if (value.type == kRegBinary) return hexList(line + "hex:", value.data);
  char kind[24];
  std::snprintf(kind, sizeof kind, "hex(%x):", static_cast<unsigned>(value.type));
  return hexList(line + kind, value.data);
}

}  // namespace

std::vector<std::uint8_t> regFileBytes(const std::vector<KeyValues>& keys) {
  std::string text = "Windows Registry Editor Version 5.00\r\n";
  for (const auto& [key, values] : keys) {
    text += "\r\n[HKEY_CURRENT_USER\\" + key + "]\r\n";
    for (const auto& value : values)
      if (regWritableName(value.name)) text += valueLine(value) + "\r\n";
  }
  std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
  const auto body = utf16Bytes(text + "\r\n");
  bytes.insert(bytes.end(), body.begin(), body.end());
  return bytes;
}

}  // namespace vellox
