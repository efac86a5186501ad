#pragma once
#include <map>
#include <string>
#include <tuple>
#include "platform/settings_store.h"

namespace vellox::test {

class FakeSettingsStore : public SettingsStore {
 public:
  using Address = std::tuple<std::string, std::string, std::string>;
  std::string getSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override {
    reads.push_back(key);
    auto it = values.find({app, section, key});
    return it == values.end() ? defaultValue : it->second;
  }
  void saveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override {
    values[{app, section, key}] = value;
  }
  std::map<Address, std::string> values;
  std::vector<std::string> reads;  // keys in the order they were read
};

}  // namespace vellox::test
