#pragma once
#include <map>
#include <string>
#include <unordered_map>
#include <vector>
#include <windows.h>
#include "platform/win32/win32_text_order.h"
#include "ui/cell_order.h"
#include "ui/list_view.h"
#include "ui/win32/native_control.h"

namespace vellox::win32 {

// A report-style SysListView32. Each row's key and sort values live beside the
// control, found through the row's lParam, so they survive sorting. Widths are
// in twips.
class Win32ListView : public Win32Control<ListView> {
 public:
  void setColumns(const std::vector<std::string>& headers);
  // Gives every row a check box (LVS_EX_CHECKBOXES).
  void showCheckBoxes();

  void clear() override;
  std::size_t count() const override;
  std::size_t addRow(const std::string& text, const std::string& key) override;
  void removeRow(std::size_t row) override;
  std::string text(std::size_t row) const override { return subItem(row, 0); }
  std::string key(std::size_t row) const override;
  void setSubItem(std::size_t row, int column, const std::string& text) override;
  void setSortValue(std::size_t row, int column, double value) override;
  std::string subItem(std::size_t row, int column) const override;
  bool selected(std::size_t row) const override;
  void setSelected(std::size_t row, bool selected) override;
  bool checked(std::size_t row) const override;
  void setChecked(std::size_t row, bool checked) override;

  int columnCount() const override;
  std::string columnHeader(int column) const override;
  double width() const override;
  void setColumnWidth(int column, double width) override;
  double columnWidth(int column) const override;

  void setSorted(bool sorted) override;
  bool sorted() const override { return sorted_; }
  void setSortKey(int column) override;
  int sortKey() const override { return sortKey_; }

  void beginUpdate() override;
  void endUpdate() override;

  bool onNotify(const NMHDR& header, LRESULT& result) override;

 private:
  struct RowData {
    std::string key;
    std::map<int, double> values;
  };
  LPARAM rowParam(std::size_t row) const;
  SortCell sortCell(std::size_t row) const;
  void sortIfNeeded();

  std::unordered_map<LPARAM, RowData> rows_;
  Win32TextOrder order_;
  LPARAM nextParam_ = 1;
  bool sorted_ = false;
  int sortKey_ = 0;
  int updating_ = 0;
  // Above zero while the program changes check boxes, which the user did not toggle.
  int settingChecks_ = 0;
};

}  // namespace vellox::win32
