#pragma once
#include <string>
#include <vector>
#include <windows.h>
#include "ui/list_box.h"
#include "ui/win32/native_control.h"

namespace vellox::win32 {

// A simple multiple-selection list box (LBS_MULTIPLESEL). Each item's exact bytes
// are kept beside the control; the control shows them read in the ANSI code page.
class Win32ListBox : public Win32Control<ListBox> {
 public:
  void clear() override;
  std::size_t count() const override { return items_.size(); }
  void add(const std::string& text) override;
  std::string text(std::size_t index) const override { return items_.at(index); }
  bool selected(std::size_t index) const override;
  void setSelected(std::size_t index, bool selected) override;
  long long currentIndex() const override;
  void setCurrentIndex(long long index) override;
  void beginUpdate() override;
  void endUpdate() override;
  bool onCommand(int code) override;

 private:
  // Long entries scroll sideways: the scroll range follows the widest item.
  void measure(const std::wstring& shown);
  void applyExtent();

  std::vector<std::string> items_;
  int updating_ = 0;
  int widest_ = 0;
  // The native control always keeps its caret on some item; "no current item"
  // lasts until the user clicks an item or moves the caret.
  bool none_ = false;
};

}  // namespace vellox::win32
