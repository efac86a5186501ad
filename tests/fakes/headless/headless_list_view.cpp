#include "fakes/headless/headless_list_view.h"
#include <algorithm>
#include "ui/cell_order.h"

namespace vellox {

HeadlessListView::HeadlessListView(HeadlessFocus& focus, const TextOrder& order, std::vector<std::string> headers,
                                   double width)
    : HeadlessControl(focus),
      order_(order),
      headers_(std::move(headers)),
      widths_(headers_.size(), 0.0),
      width_(width) {}

std::size_t HeadlessListView::addRow(const std::string& text, const std::string& key) {
  Row row;
  row.cells.assign(std::max<std::size_t>(headers_.size(), 1), "");
  row.cells[0] = text;
  row.key = key;
  rows_.push_back(std::move(row));
  return rows_.size() - 1;
}

void HeadlessListView::removeRow(std::size_t row) {
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

void HeadlessListView::setSubItem(std::size_t row, int column, const std::string& text) {
  auto& cells = rows_.at(row).cells;
  if (static_cast<std::size_t>(column) >= cells.size()) cells.resize(static_cast<std::size_t>(column) + 1);
  cells[static_cast<std::size_t>(column)] = text;
  rows_.at(row).values.erase(column);
  sortIfNeeded();
}

void HeadlessListView::setSortValue(std::size_t row, int column, double value) {
  rows_.at(row).values[column] = value;
  sortIfNeeded();
}

std::string HeadlessListView::subItem(std::size_t row, int column) const {
  const auto& cells = rows_.at(row).cells;
  return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : "";
}

void HeadlessListView::setSorted(bool sorted) {
  sorted_ = sorted;
  sortIfNeeded();
}

void HeadlessListView::setSortKey(int column) {
  sortKey_ = column;
  sortIfNeeded();
}

void HeadlessListView::endUpdate() {
  if (updating_ > 0) --updating_;
  sortIfNeeded();
}

void HeadlessListView::sortIfNeeded() {
  if (!sorted_ || updating_ > 0) return;
  const int column = sortKey_;
  const auto cellOf = [column](const Row& row) {
    SortCell cell;
    const auto index = static_cast<std::size_t>(column);
    if (index < row.cells.size()) cell.text = row.cells[index];
    if (const auto value = row.values.find(column); value != row.values.end()) cell.value = value->second;
    return cell;
  };
  std::stable_sort(rows_.begin(), rows_.end(), [&](const Row& a, const Row& b) {
    return compareCells(cellOf(a), cellOf(b), order_) < 0;
  });
}

}  // namespace vellox
