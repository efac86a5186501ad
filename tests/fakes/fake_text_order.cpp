#include "fakes/fake_text_order.h"

namespace vellox::test {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
int folded(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : static_cast<unsigned char>(c); }
int sign(long long v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

// Compares the digit runs at a[i] and b[j] by value and steps past them.
int compareNumbers(std::string_view a, std::size_t& i, std::string_view b, std::size_t& j) {
  while (i < a.size() && a[i] == '0' && i + 1 < a.size() && isDigit(a[i + 1])) ++i;
  while (j < b.size() && b[j] == '0' && j + 1 < b.size() && isDigit(b[j + 1])) ++j;
  std::size_t endA = i, endB = j;
  while (endA < a.size() && isDigit(a[endA])) ++endA;
  while (endB < b.size() && isDigit(b[endB])) ++endB;
  int order = sign(static_cast<long long>(endA - i) - static_cast<long long>(endB - j));
  if (order == 0) order = sign(a.substr(i, endA - i).compare(b.substr(j, endB - j)));
  i = endA;
  j = endB;
  return order;
}

}  // namespace

int FakeTextOrder::compare(std::string_view a, std::string_view b) const {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      if (const int order = compareNumbers(a, i, b, j); order != 0) return order;
      continue;
    }
    if (const int order = sign(folded(a[i]) - folded(b[j])); order != 0) return order;
    ++i;
    ++j;
  }
  return sign(static_cast<long long>(a.size() - i) - static_cast<long long>(b.size() - j));
}

}  // namespace vellox::test
