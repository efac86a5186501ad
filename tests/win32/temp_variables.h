#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vellox::test {

// Points TMP and TEMP of this process elsewhere and puts them back afterwards.
class TempVariables {
 public:
  explicit TempVariables(const std::wstring& folder) {
    for (const wchar_t* name : {L"TMP", L"TEMP"}) {
      wchar_t old[32768];
      const DWORD n = GetEnvironmentVariableW(name, old, 32768);
      saved_.push_back({name, n ? std::optional<std::wstring>(std::wstring(old, n)) : std::nullopt});
      SetEnvironmentVariableW(name, folder.c_str());
    }
  }
  ~TempVariables() {
    for (const auto& [name, value] : saved_) SetEnvironmentVariableW(name, value ? value->c_str() : nullptr);
  }

 private:
  std::vector<std::pair<const wchar_t*, std::optional<std::wstring>>> saved_;
};

}  // namespace vellox::test
