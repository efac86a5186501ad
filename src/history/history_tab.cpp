#include "history/history_tab.h"
#include <cstdio>
#include <string>
#include "common/app_identity.h"
#include "history/history_store.h"
#include "platform/ui.h"

namespace vellox {

namespace {

std::string hex(HResult hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
  return text;
}

void fillRows(ListView& list, CURLHistory& historyStore, UrlHistoryService& dates) {
  for (const auto& item : historyStore.NewEnum()) {
    auto row = list.addRow(item->Title(), "");
    list.setSubItem(row, 1, item->URL());
    // Dates sort by time and flags by value, not by the text shown.
    const double values[] = {item->LastVisited(), item->LastUpdated(), item->Expires()};
    for (int column = 2; column <= 4; ++column) {
      const double value = values[column - 2];
      list.setSubItem(row, column, dates.dateText(value));
      list.setSortValue(row, column, value);
    }
    list.setSubItem(row, 5, std::to_string(item->Flags()));
    list.setSortValue(row, 5, item->Flags());
  }
}

// Refreshes the snapshot and rebuilds the list; empty when the store fails.
HResult fillHistoryList(std::unique_ptr<CURLHistory>& historyStore, Services& services, ListView& list) {
  HResult hr = ensureHistoryStore(historyStore, services);
  if (!failed(hr)) hr = historyStore->Refresh("", 0);
  list.beginUpdate();
  if (!list.sorted()) {
    list.setSortKey(0);
    list.setSorted(true);
  }
  list.clear();
  if (!failed(hr)) fillRows(list, *historyStore, services.urlHistory);
  list.endUpdate();
  return hr;
}

// One message per failed action, never a silent empty list.
void reportStoreFailure(Services& services, std::uintptr_t owner, bool clearing, HResult hr) {
  std::string text = clearing ? "The browser's history store could not be cleared (error " + hex(hr) + ")."
                              : "The browser's history store could not be read (error " + hex(hr) +
                                    "). The list of visited sites is empty.";
  services.ui.messageBox(text, kAppTitle, MsgIcon::Exclamation, MsgButtons::Ok, owner);
}

}  // namespace

HistoryTab::HistoryTab(HistoryControls controls, Services& services, std::unique_ptr<CURLHistory>& historyStore,
                       TabHost& host)
    : HistoryControls(controls), services_(services), historyStore(historyStore), host_(host) {
  const auto alive = host.alive();
  URLs.onColumnClick = [this, alive](int column) {
    if (*alive) URLs_ColumnClick(column);
  };
  bindWhileOpen(cmdClearHistory.onClick, alive, [this] { cmdClearHistory_Click(); });
}

void HistoryTab::loadURLHistory() {
  HResult hr = fillHistoryList(historyStore, services_, URLs);
  if (failed(hr)) reportStoreFailure(services_, host_.owner(), false, hr);
}

void HistoryTab::URLs_ColumnClick(int column) { URLs.setSortKey(column); }

void HistoryTab::cmdClearHistory_Click() {
  host_.setStatus("Clearing History...");
  HResult cleared = kSOk;
  HResult listed = kSOk;
  {
    BusyPointer busy(host_.mousePointer());
    cleared = ensureHistoryStore(historyStore, services_);
    if (!failed(cleared)) cleared = historyStore->Clear();
    listed = fillHistoryList(historyStore, services_, URLs);
  }
  host_.setStatus("");
  if (failed(cleared))
    reportStoreFailure(services_, host_.owner(), true, cleared);
  else if (failed(listed))
    reportStoreFailure(services_, host_.owner(), false, listed);
}

}  // namespace vellox
