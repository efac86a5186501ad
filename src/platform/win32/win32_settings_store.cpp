#include "platform/win32/win32_settings_store.h"
#include <algorithm>
#include "platform/win32/win32_services.h"

namespace vellox::win32 {

namespace {

class RegistrySettingsStore : public SettingsStore {
 public:
  RegistrySettingsStore(std::unique_ptr<Registry> registry, std::string base)
      : registry_(std::move(registry)), base_(std::move(base)) {}

  std::string getSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override {
    std::unique_ptr<RegistryKey> open;
    if (registry_->open(RegRoot::CurrentUser, path(app, section), RegAccess::Default, open) != kRegOk) {
      return defaultValue;
    }
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    std::string text;
    if (open->queryInfo(key, type, size) != kRegOk || (type != kRegSz && type != kRegExpandSz) ||
        open->queryText(key, size, text) != kRegOk) {
      return defaultValue;
    }
    return text.substr(0, text.find('\0'));
  }

  void saveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override {
    std::unique_ptr<RegistryKey> open;
    if (registry_->open(RegRoot::CurrentUser, path(app, section), RegAccess::Write, open) != kRegOk) return;
    open->setString(key, value);
  }

  std::vector<std::string> getSettingList(const std::string& app, const std::string& section,
                                          const std::string& key) override {
    std::unique_ptr<RegistryKey> open;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    std::string text;
    if (registry_->open(RegRoot::CurrentUser, path(app, section), RegAccess::Default, open) != kRegOk ||
        open->queryInfo(key, type, size) != kRegOk || type != kRegMultiSz || open->queryText(key, size, text) != kRegOk)
      return {};
    // Texts end at each NUL; the first empty one ends the list.
    std::vector<std::string> values;
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = std::min(text.find('\0', start), text.size());
      if (end == start) break;
      values.push_back(text.substr(start, end - start));
      start = end + 1;
    }
    return values;
  }

  void saveSettingList(const std::string& app, const std::string& section, const std::string& key,
                       const std::vector<std::string>& values) override {
    std::unique_ptr<RegistryKey> open;
    if (registry_->open(RegRoot::CurrentUser, path(app, section), RegAccess::Write, open) != kRegOk) return;
    std::vector<std::string> stored;
    for (const auto& value : values)
      if (!value.empty()) stored.push_back(value);
    open->setMultiString(key, stored);
  }

 private:
  std::string path(const std::string& app, const std::string& section) const {
    return base_ + "\\" + app + "\\" + section;
  }

  std::unique_ptr<Registry> registry_;
  std::string base_;
};

}  // namespace

std::unique_ptr<SettingsStore> makeSettingsStore(std::unique_ptr<Registry> registry, std::string base) {
  return std::make_unique<RegistrySettingsStore>(std::move(registry), std::move(base));
}

std::unique_ptr<SettingsStore> makeSettingsStore() { return makeSettingsStore(makeRegistry(), "Software"); }

}  // namespace vellox::win32
