#include <string>
#include "contracts/download_contract.h"
#include "contracts/free_space_contract.h"
#include "contracts/instance_contract.h"
#include "contracts/processes_contract.h"
#include "contracts/registry_contract.h"
#include "contracts/settings_store_contract.h"
#include "contracts/shell_contract.h"
#include "contracts/url_cache_contract.h"
#include "contracts/url_history_contract.h"
#include "fakes/fake_download.h"
#include "fakes/fake_files.h"
#include "fakes/fake_free_space.h"
#include "fakes/fake_instance.h"
#include "fakes/fake_processes.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_url_cache.h"
#include "fakes/fake_url_history.h"

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
  bool putOnClipboard(const std::string& text) { return !(shell_.clipboard = text).empty(); }
  FakeShell shell_;
};
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, ShellContract, FakeShellSide);

struct FakeInstanceSide {
  Instance& first() { return first_; }
  Instance& second() { return second_; }
  std::string uniqueName() const { return "Tarn Vellox contract"; }
  FakeInstance first_;
  FakeInstance second_{first_.system()};
};
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, InstanceContract, FakeInstanceSide);

struct FakeProcessesSide {
  Processes& service() { return processes; }
  std::string ownExe() { return FakeProcesses::kOwnName; }
  FakeProcesses processes;
};
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, ProcessesContract, FakeProcessesSide);

struct FakeUrlCacheSide {
  UrlCache& cache() { return cache_; }
  bool add(const std::string& url) {
    cache_.add(url, kNormalCacheEntry, 0, localFile(url));
    return true;
  }
  std::string token() const { return "only"; }
  std::string localFile(const std::string& url) { return "C:\\cache\\" + std::to_string(url.size()) + ".txt"; }
  FakeUrlCache cache_;
};
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, UrlCacheContract, FakeUrlCacheSide);

struct FakeDownloadSide {
  FakeDownloadSide() {
    files_.addFolder("C:\\web");
    download_.store = [this](const std::string& path, const std::string& body) { files_.addFile(path, body); };
  }
  Download& download() { return download_; }
  void publish(const std::string& name, const std::string& body) { download_.published[url(name)] = body; }
  std::string url(const std::string& name) const { return "http://maker/" + name; }
  std::string unreachableUrl(const std::string& name) const { return "http://nobody/" + name; }
  std::string target(const std::string& name) const { return "C:\\web\\" + name; }
  void write(const std::string& path, const std::string& body) { files_.addFile(path, body); }
  std::optional<std::string> read(const std::string& path) {
    std::string contents;
    if (!files_.readFile(path, contents, 1 << 20).ok()) return std::nullopt;
    return contents;
  }
  FakeFiles files_;
  FakeDownload download_;
};
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, DownloadContract, FakeDownloadSide);

struct FakeUrlHistorySide {
  UrlHistoryService& service() { return history_; }
  FakeUrlHistory history_;
};
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, UrlHistoryContract, FakeUrlHistorySide);

struct FakeFreeSpaceSide {
  FakeFreeSpaceSide() {
    space_.add("S:\\", "NTFS", 512);
    space_.add("R:\\", "NTFS", 16).problem = DriveProblem::ReadOnly;
  }
  FreeSpace& service() { return space_; }
  std::string root() const { return "S:\\"; }
  std::string readOnlyRoot() const { return "R:\\"; }
  std::string missingName() const { return "Q:"; }
  bool exists(const std::string& path) const { return files_.exists(path.substr(0, path.find_last_not_of('\\') + 1)); }
  void makeFolder(const std::string& path) { files_.addFolder(path.substr(0, path.find_last_not_of('\\') + 1)); }
  FakeFiles files_;
  FakeFreeSpace space_{files_};
};
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, FreeSpaceContract, FakeFreeSpaceSide);

}  // namespace
}  // namespace vellox::test
