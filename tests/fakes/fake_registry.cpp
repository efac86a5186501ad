#include "fakes/fake_registry.h"
#include <iterator>
#include "platform/utf16.h"

namespace vellox::test {

namespace {
constexpr long kAccessDenied = 5;

// The fake keeps strings as UTF-8, as its string calls take them; raw calls see UTF-16 LE.
bool isText(std::uint32_t type) { return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz; }

// As a real key: opened to read it cannot be written, opened to write it cannot be read.
class FakeKey : public RegistryKey {
 public:
  FakeKey(FakeRegistry& registry, std::string path, FakeRegistry::Key& key, RegAccess access)
      : registry_(registry), path_(std::move(path)), key_(key), writes_(access == RegAccess::Write) {
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
  long setData(const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) override {
    if (!writes_) return kAccessDenied;
    const std::string text = isText(type) ? utf8FromUtf16(data) : std::string();
    key_[name] = {type, isText(type) ? std::vector<std::uint8_t>(text.begin(), text.end()) : data};
    return kRegOk;
  }
  long values(std::vector<RegValue>& values) override {
    if (writes_) return kAccessDenied;
    values.clear();
    for (const auto& [name, v] : key_)
      values.push_back({name, v.type, isText(v.type) ? utf16Bytes(std::string(v.data.begin(), v.data.end())) : v.data});
    return kRegOk;
  }
  long subkeys(std::vector<std::string>& names) override {
    if (writes_) return kAccessDenied;
    names = registry_.childrenOf(path_);
    return kRegOk;
  }
  long counts(std::size_t& subkeys, std::size_t& values) override {
    if (writes_) return kAccessDenied;
    subkeys = registry_.childrenOf(path_).size();
    values = key_.size();
    return kRegOk;
  }

 private:
  FakeRegistry& registry_;
  std::string path_;
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
    it = makeKey(subkey);
  }
  key = std::make_unique<FakeKey>(*this, subkey, it->second, access);
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

// As the real one, making a key makes the keys above it too.
std::map<std::string, FakeRegistry::Key>::iterator FakeRegistry::makeKey(const std::string& subkey) {
  for (auto cut = subkey.find('\\'); cut != std::string::npos; cut = subkey.find('\\', cut + 1))
    keys.emplace(subkey.substr(0, cut), Key{});
  return keys.emplace(subkey, Key{}).first;
}

std::vector<std::string> FakeRegistry::childrenOf(const std::string& subkey) const {
  std::vector<std::string> names;
  const std::string prefix = subkey + "\\";
  for (auto it = keys.lower_bound(prefix); it != keys.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it)
    if (it->first.find('\\', prefix.size()) == std::string::npos) names.push_back(it->first.substr(prefix.size()));
  return names;
}

void FakeRegistry::setString(const std::string& subkey, const std::string& name, const std::string& text) {
  auto& v = makeKey(subkey)->second[name];
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
  makeKey(subkey)->second[name] = Value{type, std::move(data)};
}

bool FakeRegistry::hasValue(const std::string& subkey, const std::string& name) const {
  auto k = keys.find(subkey);
  return k != keys.end() && k->second.count(name) != 0;
}

}  // namespace vellox::test
