#pragma once
#include <map>
#include <string>
#include <tuple>
#include <vector>
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
    lists.erase({app, section, key});
  }
  // Lists live apart from texts, as a REG_MULTI_SZ is not a REG_SZ.
  std::vector<std::string> getSettingList(const std::string& app, const std::string& section,
                                          const std::string& key) override {
    reads.push_back(key);
    auto it = lists.find({app, section, key});
    return it == lists.end() ? std::vector<std::string>{} : it->second;
  }
  void saveSettingList(const std::string& app, const std::string& section, const std::string& key,
                       const std::vector<std::string>& list) override {
    auto& stored = lists[{app, section, key}];
    stored.clear();
    for (const auto& value : list)
      if (!value.empty()) stored.push_back(value);
    values.erase({app, section, key});
  }
  std::map<Address, std::string> values;
  std::map<Address, std::vector<std::string>> lists;
  std::vector<std::string> reads;  // keys in the order they were read
};

}  // namespace vellox::test
