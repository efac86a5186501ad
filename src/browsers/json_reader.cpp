#include "browsers/json_reader.h"
#include <nlohmann/json.hpp>
#include <utility>

namespace vellox {

namespace {

constexpr std::size_t kMaxDepth = 64;

// Builds our values from the library's events, so objects keep every member in the file's
// order (repeated keys too) and numbers keep their text. The library's parser keeps its own
// nesting on the heap; the depth limit here only refuses what no settings file holds.
class Builder : public nlohmann::json_sax<nlohmann::json> {
 public:
  std::optional<JsonValue> result() { return done_ ? std::optional<JsonValue>(std::move(root_)) : std::nullopt; }

  bool null() override { return add({}); }
  bool boolean(bool value) override {
    JsonValue v{JsonValue::Kind::Bool};
    v.flag = value;
    return add(std::move(v));
  }
  bool number_integer(number_integer_t value) override { return number(std::to_string(value)); }
  bool number_unsigned(number_unsigned_t value) override { return number(std::to_string(value)); }
  bool number_float(number_float_t, const string_t& text) override { return number(text); }
  bool string(string_t& text) override {
    JsonValue v{JsonValue::Kind::String};
    v.text = std::move(text);
    return add(std::move(v));
  }
  bool binary(binary_t&) override { return false; }
  bool start_object(std::size_t) override { return open(JsonValue::Kind::Object); }
  bool key(string_t& name) override {
    open_.back().keys.push_back(std::move(name));
    return true;
  }
  bool end_object() override { return close(); }
  bool start_array(std::size_t) override { return open(JsonValue::Kind::Array); }
  bool end_array() override { return close(); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }

 private:
  bool number(std::string text) {
    JsonValue v{JsonValue::Kind::Number};
    v.text = std::move(text);
    return add(std::move(v));
  }
  bool open(JsonValue::Kind kind) {
    if (open_.size() >= kMaxDepth) return false;
    open_.push_back(JsonValue{kind});
    return true;
  }
  bool close() {
    JsonValue done = std::move(open_.back());
    open_.pop_back();
    return add(std::move(done));
  }
  bool add(JsonValue value) {
    if (!open_.empty()) {
      open_.back().items.push_back(std::move(value));
      return true;
    }
    root_ = std::move(value);
    done_ = true;
    return true;
  }

  std::vector<JsonValue> open_;
  JsonValue root_;
  bool done_ = false;
};

}  // namespace

std::optional<JsonValue> parseJson(std::string_view text) {
  Builder builder;
  const bool parsed = nlohmann::json::sax_parse(text.begin(), text.end(), &builder,
                                                nlohmann::json::input_format_t::json, true, false);
  return parsed ? builder.result() : std::nullopt;
}

const JsonValue* JsonValue::member(std::string_view key) const {
  if (kind != Kind::Object) return nullptr;
  for (std::size_t i = 0; i < keys.size() && i < items.size(); ++i)
    if (keys[i] == key) return &items[i];
  return nullptr;
}

}  // namespace vellox
