#pragma once
#include <memory>
#include "history/curl_history.h"
#include "platform/services.h"
#include "ui/main_controls.h"
#include "ui/tab.h"

namespace vellox {

// The Browser History tab: the visited-URL store, listed, sorted and cleared.
class HistoryTab : public Tab, public HistoryControls {
 public:
  static constexpr int kPage = kTabHistory;
  // `historyStore` is the program's one collection; null while the store cannot be opened.
  HistoryTab(HistoryControls controls, Services& services, std::unique_ptr<CURLHistory>& historyStore,
             TabHost& host);

  void shown() override { loadURLHistory(); }

  void loadURLHistory();
  void URLs_ColumnClick(int column);
  void cmdClearHistory_Click();

 private:
  Services& services_;
  std::unique_ptr<CURLHistory>& historyStore;
  TabHost& host_;
};

}  // namespace vellox
