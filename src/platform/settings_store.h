#pragma once
#include <string>
#include <vector>

namespace vellox {

// Per-user text values addressed by (application, section, key).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string getSetting(const std::string& app, const std::string& section,
                                 const std::string& key, const std::string& defaultValue) = 0;
  virtual void saveSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
  // A list of texts in one value (REG_MULTI_SZ); empty when missing or not a list.
  virtual std::vector<std::string> getSettingList(const std::string& app, const std::string& section,
                                                  const std::string& key) = 0;
  // Empty texts are left out: they cannot be told apart from the list's end.
  virtual void saveSettingList(const std::string& app, const std::string& section, const std::string& key,
                               const std::vector<std::string>& values) = 0;
};

}  // namespace vellox
