#include "browsers/json_reader.h"
#include "platform/utf8.h"
#include <cstdint>

namespace vellox {

namespace {

constexpr int kMaxDepth = 64;

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  std::optional<JsonValue> document() {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    JsonValue value;
    if (!readValue(value, 0)) return std::nullopt;
    skipSpace();
    if (pos_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  void skipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' ||
                                   text_[pos_] == '\r'))
      ++pos_;
  }

  bool take(char c) {
    skipSpace();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  bool word(std::string_view w) {
    if (text_.substr(pos_, w.size()) != w) return false;
    pos_ += w.size();
    return true;
  }

  bool readValue(JsonValue& value, int depth) {
    if (depth > kMaxDepth) return false;
    skipSpace();
    if (pos_ >= text_.size()) return false;
    switch (text_[pos_]) {
      case '{': return readObject(value, depth);
      case '[': return readArray(value, depth);
      case '"': value.kind = JsonValue::Kind::String; return readString(value.text);
      case 't': value.kind = JsonValue::Kind::Bool; value.flag = true; return word("true");
      case 'f': value.kind = JsonValue::Kind::Bool; return word("false");
      case 'n': return word("null");
      default: return readNumber(value);
    }
  }

  bool readObject(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Object;
    ++pos_;
    if (take('}')) return true;
    do {
      skipSpace();
      std::string key;
      if (pos_ >= text_.size() || text_[pos_] != '"' || !readString(key) || !take(':')) return false;
      value.keys.push_back(std::move(key));
      if (!readValue(value.items.emplace_back(), depth + 1)) return false;
    } while (take(','));
    return take('}');
  }

  bool readArray(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Array;
    ++pos_;
    if (take(']')) return true;
    do {
      if (!readValue(value.items.emplace_back(), depth + 1)) return false;
    } while (take(','));
    return take(']');
  }

  bool readNumber(JsonValue& value) {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && std::string_view("+-.0123456789eE").find(text_[pos_]) != std::string_view::npos)
      ++pos_;
    if (pos_ == start) return false;
    value.kind = JsonValue::Kind::Number;
    value.text = text_.substr(start, pos_ - start);
    return true;
  }

  bool readHex4(std::uint32_t& code) {
    if (pos_ + 4 > text_.size()) return false;
    code = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[pos_++];
      const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
      if (digit < 0) return false;
      code = code * 16 + static_cast<std::uint32_t>(digit);
    }
    return true;
  }

  // After "\u": one code point, a surrogate pair joined; a lone surrogate becomes U+FFFD.
  bool readEscapedCodePoint(std::string& out) {
    std::uint32_t code = 0;
    if (!readHex4(code)) return false;
    if (code >= 0xD800 && code < 0xDC00 && text_.substr(pos_, 2) == "\\u") {
      const std::size_t back = pos_;
      pos_ += 2;
      std::uint32_t low = 0;
      if (!readHex4(low)) return false;
      if (low >= 0xDC00 && low < 0xE000) code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
      else pos_ = back;
    }
    appendUtf8(out, code >= 0xD800 && code < 0xE000 ? 0xFFFD : code);
    return true;
  }

  bool readString(std::string& out) {
    ++pos_;  // the opening quote
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) return false;
      const char e = text_[pos_++];
      switch (e) {
        case '"': case '\\': case '/': out += e; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': if (!readEscapedCodePoint(out)) return false; break;
        default: return false;
      }
    }
    return false;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

const JsonValue* JsonValue::member(std::string_view key) const {
  if (kind != Kind::Object) return nullptr;
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key) return &items[i];
  return nullptr;
}

std::optional<JsonValue> parseJson(std::string_view text) { return Reader(text).document(); }

}  // namespace vellox
