#include "platform/win32/win32_services.h"

namespace vellox::win32 {

std::unique_ptr<UrlHistoryService> makeUrlHistory() { return std::make_unique<UrlHistoryService>(); }

}  // namespace vellox::win32
