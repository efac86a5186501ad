#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellox {

// A JSON value as read, for settings files the browsers write. Objects keep their members in
// the file's order: keys[i] names items[i].
struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  std::string text;  // a string's value (UTF-8), or a number as written
  bool flag = false;
  std::vector<JsonValue> items;
  std::vector<std::string> keys;

  // The first member named `key` of an object; none for other kinds.
  const JsonValue* member(std::string_view key) const;
};

// Nothing for text that is not one JSON value, or nests deeper than any settings file does.
std::optional<JsonValue> parseJson(std::string_view text);

}  // namespace vellox
