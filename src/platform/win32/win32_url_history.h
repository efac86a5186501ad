#pragma once
#include <functional>
#include <memory>
#include <windows.h>
#include <urlhist.h>
#include <wrl/client.h>
#include "platform/url_history.h"

namespace vellox::win32 {

// Makes the store object. The program asks COM for the browser's store; a test
// hands in an object of its own.
using UrlHistoryFactory = std::function<HRESULT(Microsoft::WRL::ComPtr<IUrlHistoryStg2>&)>;

std::unique_ptr<UrlHistoryService> makeUrlHistory(UrlHistoryFactory factory);

}  // namespace vellox::win32
