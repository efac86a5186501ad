#include <memory>
#include "contracts/url_history_contract.h"
#include "history_com_store.h"
#include "platform/win32/win32_url_history.h"

// The real service's side of the store: Wine's own store answers E_NOTIMPL to
// everything, so the service talks to the tests' store object through COM.
namespace vellox::test {
namespace {

struct RealUrlHistorySide {
  UrlHistoryService& service() { return *service_; }
  Shared shared_;
  TestStore store_{shared_};
  std::unique_ptr<UrlHistoryService> service_ =
      win32::makeUrlHistory([this](Microsoft::WRL::ComPtr<IUrlHistoryStg2>& out) {
        out = &store_;
        return S_OK;
      });
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, UrlHistoryContract, RealUrlHistorySide);

}  // namespace
}  // namespace vellox::test
