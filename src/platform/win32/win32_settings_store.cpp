#include "platform/win32/win32_settings_store.h"
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
