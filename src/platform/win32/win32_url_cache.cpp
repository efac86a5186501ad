#include "platform/win32/win32_services.h"

namespace vellox::win32 {

std::unique_ptr<UrlCache> makeUrlCache() { return std::make_unique<UrlCache>(); }

}  // namespace vellox::win32
