#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>
#include "platform/registry.h"

namespace vellox::test {

// Keys of HKEY_CURRENT_USER by subkey path, each with typed raw values.
class FakeRegistry : public Registry {
 public:
  struct Value {
    std::uint32_t type = kRegSz;
    std::vector<std::uint8_t> data;
    bool operator==(const Value&) const = default;
  };
  using Key = std::map<std::string, Value>;

  long open(RegRoot root, const std::string& subkey, RegAccess access, std::unique_ptr<RegistryKey>& key) override;
  long deleteTree(RegRoot root, const std::string& subkey) override;
  std::string errorText(long code) override {
    auto it = errorTexts.find(code);
    return it != errorTexts.end() ? it->second : "System error " + std::to_string(code) + ".\r\n";
  }

  // A REG_SZ value stored with its terminating NUL.
  void setString(const std::string& subkey, const std::string& name, const std::string& text);
  void setRaw(const std::string& subkey, const std::string& name, std::uint32_t type, std::vector<std::uint8_t> data);
  // The text of a REG_SZ value without its NUL; empty when missing.
  std::string stringValue(const std::string& subkey, const std::string& name) const;
  bool hasValue(const std::string& subkey, const std::string& name) const;
  std::vector<std::string> childrenOf(const std::string& subkey) const;

  std::map<std::string, Key> keys;
  std::map<long, std::string> errorTexts;  // replaces the generic text for these codes
  bool refuseWrite = false;  // opening for write fails with access denied
  int opens = 0;
  int openKeys = 0;  // keys open right now

 private:
  std::map<std::string, Key>::iterator makeKey(const std::string& subkey);
};

}  // namespace vellox::test
