#pragma once
#include <string>

namespace vellox {

// Per-user text values addressed by (application, section, key).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string getSetting(const std::string& app, const std::string& section,
                                 const std::string& key, const std::string& defaultValue) = 0;
  virtual void saveSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

}  // namespace vellox
