#include "ui/win32/win32_list_view.h"
#include <commctrl.h>
#include <utility>
#include "platform/win32/text.h"
#include "ui/win32/dpi.h"

namespace vellox::win32 {

namespace {

struct SortEntry {
  SortCell cell;
  std::size_t position;
};
struct SortTable {
  std::unordered_map<LPARAM, SortEntry> rows;
  const TextOrder& order;
};

// Ascending by the sort-key cells; equal cells keep their rows' order.
int CALLBACK compareRows(LPARAM first, LPARAM second, LPARAM context) noexcept {
  const auto& table = *reinterpret_cast<const SortTable*>(context);
  const auto one = table.rows.find(first), other = table.rows.find(second);
  if (one == table.rows.end() || other == table.rows.end()) return 0;
  const SortEntry& a = one->second;
  const SortEntry& b = other->second;
  if (const int order = compareCells(a.cell, b.cell, table.order); order != 0) return order < 0 ? -1 : 1;
  return a.position < b.position ? -1 : a.position > b.position ? 1 : 0;
}

}  // namespace

void Win32ListView::setColumns(const std::vector<std::string>& headers) {
  SendMessageW(hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (size_t i = 0; i < headers.size(); ++i) {
    std::wstring header = widen(headers[i]);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = header.data();
    column.cx = scaleForDpi(100, dpiOf(hwnd()));
    column.iSubItem = static_cast<int>(i);
    SendMessageW(hwnd(), LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

void Win32ListView::showCheckBoxes() {
  SendMessageW(hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
}

void Win32ListView::clear() {
  SendMessageW(hwnd(), LVM_DELETEALLITEMS, 0, 0);
  rows_.clear();
}

std::size_t Win32ListView::count() const {
  return static_cast<std::size_t>(SendMessageW(hwnd(), LVM_GETITEMCOUNT, 0, 0));
}

std::size_t Win32ListView::addRow(const std::string& text, const std::string& key) {
  std::wstring wide = widen(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = static_cast<int>(count());
  item.pszText = wide.data();
  item.lParam = nextParam_++;
  ++settingChecks_;  // a new row's check box appears cleared
  const auto row = SendMessageW(hwnd(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  --settingChecks_;
  if (row < 0) return count();
  rows_[item.lParam].key = key;
  return static_cast<std::size_t>(row);
}

void Win32ListView::removeRow(std::size_t row) {
  rows_.erase(rowParam(row));
  SendMessageW(hwnd(), LVM_DELETEITEM, row, 0);
}

LPARAM Win32ListView::rowParam(std::size_t row) const {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = static_cast<int>(row);
  if (!SendMessageW(hwnd(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  return item.lParam;
}

std::string Win32ListView::key(std::size_t row) const {
  const auto found = rows_.find(rowParam(row));
  return found == rows_.end() ? std::string() : found->second.key;
}

void Win32ListView::setSubItem(std::size_t row, int column, const std::string& text) {
  std::wstring wide = widen(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(hwnd(), LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  if (const auto found = rows_.find(rowParam(row)); found != rows_.end()) found->second.values.erase(column);
  sortIfNeeded();
}

void Win32ListView::setSortValue(std::size_t row, int column, double value) {
  const auto found = rows_.find(rowParam(row));
  if (found == rows_.end()) return;
  found->second.values[column] = value;
  sortIfNeeded();
}

SortCell Win32ListView::sortCell(std::size_t row) const {
  SortCell cell{subItem(row, sortKey_), std::nullopt};
  if (const auto found = rows_.find(rowParam(row)); found != rows_.end()) {
    const auto value = found->second.values.find(sortKey_);
    if (value != found->second.values.end()) cell.value = value->second;
  }
  return cell;
}

std::string Win32ListView::subItem(std::size_t row, int column) const {
  // The control copies at most the buffer's size: grow until the text fits.
  for (std::size_t size = 256;; size *= 2) {
    std::wstring buffer(size, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(size);
    const auto length = static_cast<std::size_t>(
        SendMessageW(hwnd(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
    if (length + 1 < size || size >= (1u << 20)) return narrow(std::wstring_view(buffer.data(), length));
  }
}

bool Win32ListView::selected(std::size_t row) const {
  return (SendMessageW(hwnd(), LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void Win32ListView::setSelected(std::size_t row, bool selected) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = selected ? LVIS_SELECTED : 0;
  SendMessageW(hwnd(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// The state image is 1 for a cleared box and 2 for a checked one; 0 without one.
bool Win32ListView::checked(std::size_t row) const {
  const auto state = SendMessageW(hwnd(), LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
  return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void Win32ListView::setChecked(std::size_t row, bool checked) {
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  ++settingChecks_;
  SendMessageW(hwnd(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  --settingChecks_;
}

int Win32ListView::columnCount() const {
  HWND header = reinterpret_cast<HWND>(SendMessageW(hwnd(), LVM_GETHEADER, 0, 0));
  return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string Win32ListView::columnHeader(int column) const {
  wchar_t buffer[256] = {};
  LVCOLUMNW info{};
  info.mask = LVCF_TEXT;
  info.pszText = buffer;
  info.cchTextMax = 255;
  if (!SendMessageW(hwnd(), LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info))) return {};
  return narrow(info.pszText);
}

// The width the columns can fill without a horizontal scroll bar, once rows
// fill the list and bring its vertical scroll bar.
double Win32ListView::width() const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  int pixels = client.right - client.left;
  if (!(GetWindowLongW(hwnd(), GWL_STYLE) & WS_VSCROLL)) pixels -= GetSystemMetrics(SM_CXVSCROLL);
  return pixelsToTwips(pixels > 0 ? pixels : 0, dpiOf(hwnd()));
}

void Win32ListView::setColumnWidth(int column, double width) {
  SendMessageW(hwnd(), LVM_SETCOLUMNWIDTH, column, MAKELPARAM(twipsToPixels(width, dpiOf(hwnd())), 0));
}

double Win32ListView::columnWidth(int column) const {
  const auto pixels = static_cast<int>(SendMessageW(hwnd(), LVM_GETCOLUMNWIDTH, column, 0));
  return pixelsToTwips(pixels, dpiOf(hwnd()));
}

void Win32ListView::setSorted(bool sorted) {
  sorted_ = sorted;
  sortIfNeeded();
}

void Win32ListView::setSortKey(int column) {
  sortKey_ = column;
  sortIfNeeded();
}

void Win32ListView::beginUpdate() {
  if (updating_++ == 0) SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
}

void Win32ListView::endUpdate() {
  if (updating_ == 0 || --updating_ > 0) return;
  sortIfNeeded();
  SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Win32ListView::sortIfNeeded() {
  if (!sorted_ || updating_ > 0) return;
  const std::size_t rows = count();
  SortTable table{{}, order_};
  table.rows.reserve(rows);
  for (std::size_t row = 0; row < rows; ++row) table.rows[rowParam(row)] = {sortCell(row), row};
  SendMessageW(hwnd(), LVM_SORTITEMS, reinterpret_cast<WPARAM>(&table), reinterpret_cast<LPARAM>(&compareRows));
}

bool Win32ListView::onNotify(const NMHDR& header, LRESULT&) {
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  if (header.code == static_cast<UINT>(LVN_COLUMNCLICK)) {
    columnClick(change.iSubItem);
    return true;
  }
  if (header.code != static_cast<UINT>(LVN_ITEMCHANGED)) return false;
  // A box that had a state before and has another now, not set by the program: a toggle.
  const UINT before = (change.uOldState & LVIS_STATEIMAGEMASK) >> 12;
  const UINT after = (change.uNewState & LVIS_STATEIMAGEMASK) >> 12;
  if ((change.uChanged & LVIF_STATE) && before != 0 && after != 0 && before != after && settingChecks_ == 0 &&
      change.iItem >= 0)
    checkToggled(static_cast<std::size_t>(change.iItem));
  return false;
}

}  // namespace vellox::win32
