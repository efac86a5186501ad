#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include "ui/control.h"

namespace vellox {

// A report-style list view. Rows are 0-based; each has a text (column 0), a key
// and sub-items (columns 1 and up). With sorting on, rows are kept ordered by the
// sort-key column, ascending: by a cell's sort value where it has one (dates,
// numbers), otherwise by its text in the user's order (the file manager's:
// case ignored, digits by value). Order is restored after endUpdate().
class ListView : public Control {
 public:
  virtual void clear() = 0;
  virtual std::size_t count() const = 0;
  virtual std::size_t addRow(const std::string& text, const std::string& key) = 0;
  virtual void removeRow(std::size_t row) = 0;
  virtual std::string text(std::size_t row) const = 0;
  virtual std::string key(std::size_t row) const = 0;
  // Sets the text and drops any sort value of the cell.
  virtual void setSubItem(std::size_t row, int column, const std::string& text) = 0;
  // The value the cell sorts by in place of its text (column 1 and up).
  virtual void setSortValue(std::size_t row, int column, double value) = 0;
  virtual std::string subItem(std::size_t row, int column) const = 0;
  virtual bool selected(std::size_t row) const = 0;
  virtual void setSelected(std::size_t row, bool selected) = 0;
  // The check box of a row, in a list that shows them; rows come unchecked.
  virtual bool checked(std::size_t row) const = 0;
  virtual void setChecked(std::size_t row, bool checked) = 0;

  virtual int columnCount() const = 0;
  virtual std::string columnHeader(int column) const = 0;
  virtual double width() const = 0;
  virtual void setColumnWidth(int column, double width) = 0;
  virtual double columnWidth(int column) const = 0;

  virtual void setSorted(bool sorted) = 0;
  virtual bool sorted() const = 0;
  virtual void setSortKey(int column) = 0;
  virtual int sortKey() const = 0;

  // Turn redraw off while filling many rows.
  virtual void beginUpdate() = 0;
  virtual void endUpdate() = 0;

  // Header click with the 0-based column.
  void columnClick(int column) {
    if (onColumnClick) onColumnClick(column);
  }
  std::function<void(int)> onColumnClick;
  // The user toggled the row's check box; the program's setChecked does not fire it.
  void checkToggled(std::size_t row) {
    if (onCheckToggled) onCheckToggled(row);
  }
  std::function<void(std::size_t)> onCheckToggled;
};

}  // namespace vellox
