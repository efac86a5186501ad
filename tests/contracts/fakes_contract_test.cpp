#include <string>
#include "contracts/instance_contract.h"
#include "contracts/registry_contract.h"
#include "contracts/settings_store_contract.h"
#include "contracts/shell_contract.h"
#include "fakes/fake_instance.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_shell.h"

// The fakes against the contracts their real services keep under Wine.
namespace vellox::test {
namespace {

struct FakeRegistrySide {
  FakeRegistrySide() { registry_.keys["Software\\Contract"]; }
  Registry& registry() { return registry_; }
  std::string root() const { return "Software\\Contract"; }
  void putDword(const std::string& subkey, const std::string& name, std::uint32_t value) {
    registry_.setRaw(subkey, name, kRegDword,
                     {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
  }
  FakeRegistry registry_;
};
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, RegistryContract, FakeRegistrySide);

struct FakeSettingsSide {
  SettingsStore& store() { return store_; }
  FakeSettingsStore store_;
};
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, SettingsStoreContract, FakeSettingsSide);

struct FakeShellSide {
  Shell& shell() { return shell_; }
  bool putInBin(const std::string& name) { return shell_.bin.insert(name).second; }
  bool inBin(const std::string& name) const { return shell_.bin.count(name) != 0; }
  FakeShell shell_;
};
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, ShellContract, FakeShellSide);

struct FakeInstanceSide {
  Instance& first() { return first_; }
  Instance& second() { return second_; }
  std::string uniqueName() const { return "Tarn Vellox contract"; }
  FakeInstance first_;
  FakeInstance second_{first_.held()};
};
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, InstanceContract, FakeInstanceSide);

}  // namespace
}  // namespace vellox::test
