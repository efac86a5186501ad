#include "common/stored_options.h"
#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>
#include "common/app_identity.h"
#include "platform/settings_store.h"

namespace vellox {

namespace {

const char* kSection = "Settings";
const char* kShredLevel = "shredlevel";

std::string_view trimmed(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// A whole decimal number, blanks around it and a leading "+" allowed.
template <class Number>
std::optional<Number> number(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  Number value{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// 0 unchecked, 1 checked, 2 grey; anything else is not a check-box value.
std::optional<int> checkValue(std::string_view text) {
  auto value = number<int>(text);
  if (!value || *value < 0 || *value > 2) return std::nullopt;
  return value;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

// "True" or "False" in any case, or a number that is true unless it is 0.
std::optional<bool> booleanValue(std::string_view text) {
  text = trimmed(text);
  if (equalsIgnoringCase(text, "True")) return true;
  if (equalsIgnoringCase(text, "False")) return false;
  auto value = number<double>(text);
  if (!value) return std::nullopt;
  return *value != 0;
}

}  // namespace

void loadBoxes(SettingsStore& settings, std::span<const StoredBox> boxes) {
  for (auto [key, box] : boxes) box->setValue(storedCheck(settings, key));
}

void saveBoxes(SettingsStore& settings, std::span<const StoredBox> boxes) {
  for (auto [key, box] : boxes) settings.saveSetting(kAppTitle, kSection, key, std::to_string(box->value()));
}

void saveQuick(SettingsStore& settings, bool quick) {
  settings.saveSetting(kAppTitle, kSection, kShredLevel, quick ? "True" : "False");
}

// A bad stored text counts as the default rather than stopping the window.
int storedCheck(SettingsStore& settings, const std::string& key) {
  return checkValue(settings.getSetting(kAppTitle, kSection, key, "0")).value_or(0);
}

bool storedQuick(SettingsStore& settings) {
  return booleanValue(settings.getSetting(kAppTitle, kSection, kShredLevel, "True")).value_or(true);
}

}  // namespace vellox
