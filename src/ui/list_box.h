#pragma once
#include <cstddef>
#include <string>
#include "ui/control.h"

namespace vellox {

// A multi-selection list box. Item text is kept as the exact bytes given; the
// Win32 form converts it only for display.
class ListBox : public Control {
 public:
  virtual void clear() = 0;
  virtual std::size_t count() const = 0;
  virtual void add(const std::string& text) = 0;
  virtual std::string text(std::size_t index) const = 0;
  virtual bool selected(std::size_t index) const = 0;
  // Selecting (not deselecting) an item also puts the caret on it.
  virtual void setSelected(std::size_t index, bool selected) = 0;
  // The item with the focus rectangle; -1 when there is none. A clear puts the
  // caret back on the first item, as the native control does; -1 given to
  // setCurrentIndex means none until the user picks an item.
  virtual long long currentIndex() const = 0;
  virtual void setCurrentIndex(long long index) = 0;
  virtual void beginUpdate() = 0;
  virtual void endUpdate() = 0;
};

}  // namespace vellox
