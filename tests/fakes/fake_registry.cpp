#include "fakes/fake_registry.h"
#include <iterator>

namespace vellox::test {

namespace {
constexpr long kAccessDenied = 5;

// As a real key: opened to read it cannot be written, opened to write it cannot be read.
class FakeKey : public RegistryKey {
 public:
  FakeKey(FakeRegistry& registry, FakeRegistry::Key& key, RegAccess access)
      : registry_(registry), key_(key), writes_(access == RegAccess::Write) {
    ++registry_.openKeys;
  }
  ~FakeKey() override { --registry_.openKeys; }
  long queryInfo(const std::string& name, std::uint32_t& type, std::uint32_t& size) override {
    if (writes_) return kAccessDenied;
    auto it = key_.find(name);
    if (it == key_.end()) return kRegFileNotFound;
    type = it->second.type;
    size = static_cast<std::uint32_t>(it->second.data.size());
    return kRegOk;
  }
  long queryData(const std::string& name, std::vector<std::uint8_t>& data) override {
    if (writes_) return kAccessDenied;
    auto it = key_.find(name);
    if (it == key_.end()) return kRegFileNotFound;
    if (data.size() < it->second.data.size()) return kRegMoreData;
    data = it->second.data;
    return kRegOk;
  }
  long queryText(const std::string& name, std::uint32_t room, std::string& text) override {
    if (writes_) return kAccessDenied;
    auto it = key_.find(name);
    if (it == key_.end()) return kRegFileNotFound;
    if (room < it->second.data.size()) return kRegMoreData;
    text.assign(it->second.data.begin(), it->second.data.end());
    return kRegOk;
  }
  long setString(const std::string& name, const std::string& value) override {
    if (!writes_) return kAccessDenied;
    auto& v = key_[name];
    v.type = kRegSz;
    v.data.assign(value.begin(), value.end());
    v.data.push_back(0);
    return kRegOk;
  }
  long setMultiString(const std::string& name, const std::vector<std::string>& values) override {
    if (!writes_) return kAccessDenied;
    auto& v = key_[name];
    v.type = kRegMultiSz;
    v.data.clear();
    for (const auto& value : values) {
      v.data.insert(v.data.end(), value.begin(), value.end());
      v.data.push_back(0);
    }
    if (values.empty()) v.data.push_back(0);
    v.data.push_back(0);
    return kRegOk;
  }
  long deleteValue(const std::string& name) override {
    if (!writes_) return kAccessDenied;
    return key_.erase(name) ? kRegOk : kRegFileNotFound;
  }

 private:
  FakeRegistry& registry_;
  FakeRegistry::Key& key_;
  bool writes_;
};
}  // namespace

long FakeRegistry::open(RegRoot, const std::string& subkey, RegAccess access, std::unique_ptr<RegistryKey>& key) {
  ++opens;
  if (access == RegAccess::Write && refuseWrite) return kAccessDenied;
  auto it = keys.find(subkey);
  if (it == keys.end()) {
    if (access != RegAccess::Write) return kRegFileNotFound;
    it = keys.emplace(subkey, Key{}).first;
  }
  key = std::make_unique<FakeKey>(*this, it->second, access);
  return kRegOk;
}

long FakeRegistry::deleteTree(RegRoot, const std::string& subkey) {
  if (!keys.count(subkey)) return kRegFileNotFound;
  if (refuseWrite) return kAccessDenied;
  for (auto it = keys.begin(); it != keys.end();) {
    const std::string& name = it->first;
    const bool below = name.size() > subkey.size() && name[subkey.size()] == '\\' &&
                       name.compare(0, subkey.size(), subkey) == 0;
    it = name == subkey || below ? keys.erase(it) : std::next(it);
  }
  return kRegOk;
}

void FakeRegistry::setString(const std::string& subkey, const std::string& name, const std::string& text) {
  auto& v = keys[subkey][name];
  v.type = kRegSz;
  v.data.assign(text.begin(), text.end());
  v.data.push_back(0);
}

std::string FakeRegistry::stringValue(const std::string& subkey, const std::string& name) const {
  auto k = keys.find(subkey);
  if (k == keys.end()) return "";
  auto v = k->second.find(name);
  if (v == k->second.end()) return "";
  std::string text(v->second.data.begin(), v->second.data.end());
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

void FakeRegistry::setRaw(const std::string& subkey, const std::string& name, std::uint32_t type,
                          std::vector<std::uint8_t> data) {
  keys[subkey][name] = Value{type, std::move(data)};
}

bool FakeRegistry::hasValue(const std::string& subkey, const std::string& name) const {
  auto k = keys.find(subkey);
  return k != keys.end() && k->second.count(name) != 0;
}

}  // namespace vellox::test
