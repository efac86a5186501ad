#include "common/registry_values.h"
#include <cstring>
#include "common/app_identity.h"
#include "platform/ui.h"

namespace vellox {

namespace {

void showRegError(Services& services, long code) {
  services.ui.messageBox(lastErrorText(services, code), kAppTitle, MsgIcon::None, MsgButtons::Ok);
}

std::string stringValue(RegistryKey& key, const std::string& name, std::uint32_t size) {
  std::string text;
  if (key.queryText(name, size, text) != kRegOk) return "";
  return text.substr(0, text.find('\0'));
}

std::string dwordValue(RegistryKey& key, const std::string& name) {
  std::vector<std::uint8_t> data(4, 0);
  if (key.queryData(name, data) != kRegOk) return "";
  data.resize(4, 0);
  // Registry DWORDs are little-endian whatever the host.
  std::uint32_t bits = data[0] | (data[1] << 8) | (data[2] << 16) | (std::uint32_t{data[3]} << 24);
  std::int32_t value;
  std::memcpy(&value, &bits, sizeof value);
  return std::to_string(value);
}

// The value as text; `error` is the first query's failure, when it failed.
std::string valueText(RegistryKey& key, const std::string& name, long& error) {
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  if (error = key.queryInfo(name, type, size); error != kRegOk) return "";
  switch (type) {
    case kRegSz:
    case kRegExpandSz:
      return stringValue(key, name, size);
    case kRegDword:
      return dwordValue(key, name);
    default:
      return "";
  }
}

}  // namespace

std::string getRegValue(Services& services, RegRoot root, const std::string& subkey, const std::string& name) {
  std::unique_ptr<RegistryKey> key;
  // A key that cannot be opened is reported like a failing query, with the open's own code.
  if (long rc = services.registry.open(root, subkey, RegAccess::Default, key); rc != kRegOk || !key) {
    showRegError(services, rc != kRegOk ? rc : kRegFileNotFound);
    return "";
  }
  return readRegValue(services, *key, name);
}

std::string readRegValue(Services& services, RegistryKey& key, const std::string& name) {
  long error = kRegOk;
  std::string text = valueText(key, name, error);
  if (error != kRegOk) showRegError(services, error);
  return text;
}

std::string getRegValueQuietly(Services& services, RegRoot root, const std::string& subkey, const std::string& name,
                               long& error) {
  std::unique_ptr<RegistryKey> key;
  error = services.registry.open(root, subkey, RegAccess::Default, key);
  if (error != kRegOk || !key) {
    if (error == kRegOk) error = kRegFileNotFound;
    return "";
  }
  return valueText(*key, name, error);
}

std::string lastErrorText(Services& services, long code) {
  std::string text = services.registry.errorText(code);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

}  // namespace vellox
