#include "platform/win32/literal_path.h"
#include <algorithm>
#include <cwctype>
#include <vector>

namespace vellox::win32 {

namespace {

constexpr const wchar_t* kLiteralPrefix = L"\\\\?\\";

bool isSlash(wchar_t c) { return c == L'\\' || c == L'/'; }

// The text's names from `from` on, with "." and empty names dropped and ".." applied. A ".." at
// the root stays there, as the system's own resolution does.
std::vector<std::wstring> namesOf(const std::wstring& text, std::size_t from) {
  std::vector<std::wstring> names;
  std::wstring name;
  for (std::size_t i = from; i <= text.size(); ++i) {
    if (i < text.size() && !isSlash(text[i])) {
      name += text[i];
      continue;
    }
    if (name == L"..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != L".") {
      names.push_back(name);
    }
    name.clear();
  }
  return names;
}

// The name that starts at `at` and ends before the next separator; `at` moves past it.
std::wstring nameAt(const std::wstring& text, std::size_t& at) {
  const std::size_t end = std::min(text.size(), text.find_first_of(L"\\/", at));
  std::wstring name = text.substr(at, end - at);
  at = end < text.size() ? end + 1 : end;
  return name;
}

// "X:\" or "UNC\server\share\", and where the names after it begin; nothing for other text.
std::optional<std::wstring> rootOf(const std::wstring& text, std::size_t& rest) {
  if (text.size() >= 3 && iswalpha(text[0]) && text[1] == L':' && isSlash(text[2])) {
    rest = 3;
    return text.substr(0, 2) + L"\\";
  }
  if (text.size() < 3 || !isSlash(text[0]) || !isSlash(text[1])) return std::nullopt;
  rest = 2;
  const std::wstring server = nameAt(text, rest);
  const std::wstring share = nameAt(text, rest);
  // "\\.\" and "\\?\" name devices, not places; "\\\" names nothing.
  for (const auto& name : {server, share})
    if (name.empty() || name == L"." || name == L".." || name == L"?") return std::nullopt;
  return L"UNC\\" + server + L"\\" + share + L"\\";
}

}  // namespace

std::optional<std::wstring> literalFormOf(const std::wstring& text) {
  if (text.rfind(kLiteralPrefix, 0) == 0) return text;
  std::size_t rest = 0;
  const std::optional<std::wstring> root = rootOf(text, rest);
  if (!root) return std::nullopt;
  std::wstring literal = kLiteralPrefix + *root;
  for (const auto& name : namesOf(text, rest)) literal += name + L"\\";
  // A trailing separator stays only where the text had one, or at the root.
  const bool trailing = isSlash(text.back()) || literal.size() == 4 + root->size();
  if (!trailing) literal.pop_back();
  return literal;
}

}  // namespace vellox::win32
