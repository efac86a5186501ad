#include "controls.h"
#include <commctrl.h>
#include <array>
#include "remote_memory.h"
#include "window_find.h"

namespace vellox::e2e {
namespace {

constexpr size_t kTextChars = 1024;
constexpr size_t kTextBytes = kTextChars * sizeof(wchar_t);

// Lays out a record followed by a text buffer in the target process, sends the
// message, and reads the text back.
template <class Record, class Fill>
std::wstring remoteText(HWND window, UINT message, WPARAM wParam, Fill fill) {
  RemoteBuffer remote(window, sizeof(Record) + kTextBytes);
  if (!remote) return {};
  Record record{};
  fill(record, static_cast<wchar_t*>(remote.at(sizeof(Record))));
  if (!remote.write(0, &record, sizeof(record))) return {};
  if (SendMessageW(window, message, wParam, remote.param()) == FALSE) return {};
  std::array<wchar_t, kTextChars> text{};
  if (!remote.read(sizeof(Record), text.data(), kTextBytes)) return {};
  text.back() = L'\0';
  return text.data();
}

}  // namespace

std::wstring controlText(HWND parent, int id) {
  const HWND control = findControl(parent, id);
  return control == nullptr ? std::wstring() : windowText(control);
}

int checkState(HWND checkBox) { return static_cast<int>(SendMessageW(checkBox, BM_GETCHECK, 0, 0)); }

std::vector<std::wstring> listBoxItems(HWND listBox) {
  std::vector<std::wstring> items;
  const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
    if (length < 0) break;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    items.push_back(std::move(text));
  }
  return items;
}

size_t listViewRowCount(HWND listView) {
  const LRESULT count = SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0);
  return count < 0 ? 0 : static_cast<size_t>(count);
}

bool listViewRowChecked(HWND listView, size_t row) {
  return ((SendMessageW(listView, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

std::vector<std::wstring> listViewColumns(HWND listView) {
  std::vector<std::wstring> columns;
  const HWND header = reinterpret_cast<HWND>(SendMessageW(listView, LVM_GETHEADER, 0, 0));
  const LRESULT count = header == nullptr ? 0 : SendMessageW(header, HDM_GETITEMCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    columns.push_back(remoteText<LVCOLUMNW>(listView, LVM_GETCOLUMNW, i, [](LVCOLUMNW& c, wchar_t* text) {
      c.mask = LVCF_TEXT;
      c.pszText = text;
      c.cchTextMax = kTextChars;
    }));
  }
  return columns;
}

std::wstring listViewText(HWND listView, size_t row, size_t column) {
  RemoteBuffer remote(listView, sizeof(LVITEMW) + kTextBytes);
  if (!remote) return {};
  LVITEMW item{};
  item.iSubItem = static_cast<int>(column);
  item.pszText = static_cast<wchar_t*>(remote.at(sizeof(LVITEMW)));
  item.cchTextMax = kTextChars;
  if (!remote.write(0, &item, sizeof(item))) return {};
  // LVM_GETITEMTEXTW answers with the length, which is 0 for an empty cell.
  const LRESULT length = SendMessageW(listView, LVM_GETITEMTEXTW, row, remote.param());
  std::wstring text(static_cast<size_t>(length > 0 ? length : 0), L'\0');
  if (!text.empty() && !remote.read(sizeof(LVITEMW), text.data(), text.size() * sizeof(wchar_t))) {
    return {};
  }
  return text;
}

std::vector<std::vector<std::wstring>> listViewRows(HWND listView) {
  const size_t columns = listViewColumns(listView).size();
  std::vector<std::vector<std::wstring>> rows(listViewRowCount(listView));
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < columns; ++c) rows[r].push_back(listViewText(listView, r, c));
  }
  return rows;
}

size_t tabCount(HWND tab) {
  const LRESULT count = SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0);
  return count < 0 ? 0 : static_cast<size_t>(count);
}

std::wstring tabCaption(HWND tab, size_t index) {
  return remoteText<TCITEMW>(tab, TCM_GETITEMW, index, [](TCITEMW& item, wchar_t* text) {
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = kTextChars;
  });
}

std::vector<std::wstring> tabCaptions(HWND tab) {
  std::vector<std::wstring> captions;
  for (size_t i = 0, n = tabCount(tab); i < n; ++i) captions.push_back(tabCaption(tab, i));
  return captions;
}

std::optional<size_t> selectedTab(HWND tab) {
  const LRESULT index = SendMessageW(tab, TCM_GETCURSEL, 0, 0);
  if (index < 0) return std::nullopt;
  return static_cast<size_t>(index);
}

std::optional<RECT> tabItemRect(HWND tab, size_t index) {
  RemoteBuffer remote(tab, sizeof(RECT));
  RECT rect{};
  if (!remote || !SendMessageW(tab, TCM_GETITEMRECT, index, remote.param()) ||
      !remote.read(0, &rect, sizeof(rect))) {
    return std::nullopt;
  }
  MapWindowPoints(tab, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool selectTabByMessage(HWND tab, size_t index) {
  if (SendMessageW(tab, TCM_SETCURSEL, index, 0) < 0 && selectedTab(tab) != index) return false;
  NMHDR header{};
  header.hwndFrom = tab;
  header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(tab));
  header.code = TCN_SELCHANGE;
  RemoteBuffer remote(tab, sizeof(header));
  if (!remote || !remote.write(0, &header, sizeof(header))) return false;
  SendMessageW(GetParent(tab), WM_NOTIFY, header.idFrom, remote.param());
  return selectedTab(tab) == index;
}

}  // namespace vellox::e2e
