#pragma once
#include <map>
#include <string>
#include <vector>
#include "platform/text_order.h"
#include "fakes/headless/headless_control.h"
#include "ui/list_view.h"

namespace vellox {

class HeadlessListView : public HeadlessControl<ListView> {
 public:
  HeadlessListView(HeadlessFocus& focus, const TextOrder& order, std::vector<std::string> headers, double width);

  void clear() override { rows_.clear(); }
  std::size_t count() const override { return rows_.size(); }
  std::size_t addRow(const std::string& text, const std::string& key) override;
  void removeRow(std::size_t row) override;
  std::string text(std::size_t row) const override { return rows_.at(row).cells.at(0); }
  std::string key(std::size_t row) const override { return rows_.at(row).key; }
  void setSubItem(std::size_t row, int column, const std::string& text) override;
  void setSortValue(std::size_t row, int column, double value) override;
  std::string subItem(std::size_t row, int column) const override;
  bool selected(std::size_t row) const override { return rows_.at(row).selected; }
  void setSelected(std::size_t row, bool selected) override { rows_.at(row).selected = selected; }
  bool checked(std::size_t row) const override { return rows_.at(row).checked; }
  void setChecked(std::size_t row, bool checked) override { rows_.at(row).checked = checked; }
  // A click on the row's check box.
  void userToggle(std::size_t row) {
    rows_.at(row).checked = !rows_.at(row).checked;
    checkToggled(row);
  }

  int columnCount() const override { return static_cast<int>(headers_.size()); }
  std::string columnHeader(int column) const override { return headers_.at(static_cast<size_t>(column)); }
  double width() const override { return width_; }
  void setColumnWidth(int column, double width) override { widths_.at(static_cast<size_t>(column)) = width; }
  double columnWidth(int column) const override { return widths_.at(static_cast<size_t>(column)); }

  void setSorted(bool sorted) override;
  bool sorted() const override { return sorted_; }
  void setSortKey(int column) override;
  int sortKey() const override { return sortKey_; }

  void beginUpdate() override { ++updating_; }
  void endUpdate() override;
  bool updating() const { return updating_ > 0; }

 private:
  struct Row {
    std::vector<std::string> cells;
    std::map<int, double> values;
    std::string key;
    bool selected = false;
    bool checked = false;
  };
  void sortIfNeeded();

  const TextOrder& order_;
  std::vector<std::string> headers_;
  std::vector<double> widths_;
  double width_;
  std::vector<Row> rows_;
  bool sorted_ = false;
  int sortKey_ = 0;
  int updating_ = 0;
};

}  // namespace vellox
