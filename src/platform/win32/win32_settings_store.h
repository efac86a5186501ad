#pragma once
#include <memory>
#include <string>
#include "platform/registry.h"
#include "platform/settings_store.h"

namespace vellox::win32 {

// Settings live in HKEY_CURRENT_USER\<base>\<application>\<section>, one REG_SZ
// value per key; the real store uses the base "Software", tests a key of their own.
std::unique_ptr<SettingsStore> makeSettingsStore(std::unique_ptr<Registry> registry, std::string base);

}  // namespace vellox::win32
