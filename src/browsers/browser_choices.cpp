#include "browsers/browser_choices.h"
#include <optional>
#include <vector>

namespace vellox {

// The text is records split by ';', each "-" (unchecked) or "+" (checked) and then
// browser|profile|item. Names may hold any character: '\' escapes the next one.
namespace {

constexpr char kEscape = '\\', kField = '|', kRecord = ';';

bool checkedByDefault(BrowserItem item) { return item != BrowserItem::Session; }

void appendEscaped(std::string& text, const std::string& name) {
  for (char c : name) {
    if (c == kEscape || c == kField || c == kRecord) text += kEscape;
    text += c;
  }
}

std::optional<BrowserItem> itemNamed(const std::string& name) {
  for (BrowserItem item : kBrowserItems)
    if (name == itemName(item)) return item;
  return std::nullopt;
}

// The records, each split into its fields with the escapes undone.
std::vector<std::vector<std::string>> recordsOf(const std::string& text) {
  std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == kEscape && i + 1 < text.size()) records.back().back() += text[++i];
    else if (c == kField) records.back().emplace_back();
    else if (c == kRecord) records.emplace_back(1);
    else records.back().back() += c;
  }
  return records;
}

}  // namespace

BrowserChoices BrowserChoices::parse(const std::string& stored) {
  BrowserChoices choices;
  for (auto& fields : recordsOf(stored)) {
    if (fields.size() != 3 || fields[0].empty()) continue;
    const char mark = fields[0][0];
    const auto item = itemNamed(fields[2]);
    if ((mark != '-' && mark != '+') || !item) continue;
    choices.setChecked(fields[0].substr(1), fields[1], *item, mark == '+');
  }
  return choices;
}

std::string BrowserChoices::text() const {
  std::string text;
  for (const auto& [row, on] : changed_) {
    if (!text.empty()) text += kRecord;
    text += on ? '+' : '-';
    appendEscaped(text, std::get<0>(row));
    text += kField;
    appendEscaped(text, std::get<1>(row));
    text += kField;
    text += itemName(std::get<2>(row));
  }
  return text;
}

bool BrowserChoices::checked(const std::string& browser, const std::string& profile, BrowserItem item) const {
  const auto found = changed_.find({browser, profile, item});
  return found == changed_.end() ? checkedByDefault(item) : found->second;
}

void BrowserChoices::setChecked(const std::string& browser, const std::string& profile, BrowserItem item, bool on) {
  if (on == checkedByDefault(item)) changed_.erase({browser, profile, item});
  else changed_[{browser, profile, item}] = on;
}

}  // namespace vellox
