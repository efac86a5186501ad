#include "platform/win32/win32_services.h"

namespace vellox::win32 {

namespace {
class PendingRegistry : public Registry {
 public:
  long open(RegRoot, const std::string&, RegAccess, std::unique_ptr<RegistryKey>&) override { return 50; }
  std::string errorText(long) override { return ""; }
};
class PendingSettings : public SettingsStore {
 public:
  std::string getSetting(const std::string&, const std::string&, const std::string&, const std::string& d) override {
    return d;
  }
  void saveSetting(const std::string&, const std::string&, const std::string&, const std::string&) override {}
};
class PendingShell : public Shell {
 public:
  bool emptyRecycleBin() override { return false; }
  bool openUrl(const std::string&) override { return false; }
};
}  // namespace

std::unique_ptr<Registry> makeRegistry() { return std::make_unique<PendingRegistry>(); }
std::unique_ptr<SettingsStore> makeSettingsStore() { return std::make_unique<PendingSettings>(); }
std::unique_ptr<Shell> makeShell() { return std::make_unique<PendingShell>(); }

}  // namespace vellox::win32
