#include "history/url_history_item.h"
#include "platform/utf8.h"

namespace vellox {

namespace {

bool isHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

void URLHistoryItem::InitFromSTATURL(StatUrl&& record) {
  if (initialised_) return;
  mStat = std::move(record);
  initialised_ = true;
}

// A lone surrogate becomes U+FFFD, so the text is always valid UTF-8.
std::string URLHistoryItem::GetStrFromPtrW(const char16_t* pointer) {
  std::string text;
  if (!pointer) return text;
  for (const char16_t* p = pointer; *p; ++p) {
    char32_t c = *p;
    if (isHigh(*p) && isLow(p[1])) {
      c = 0x10000 + ((static_cast<char32_t>(*p) - 0xD800) << 10) + (static_cast<char32_t>(p[1]) - 0xDC00);
      ++p;
    } else if (isHigh(*p) || isLow(*p)) {
      c = 0xFFFD;
    }
    appendUtf8(text, c);
  }
  return text;
}

}  // namespace vellox
