#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

namespace vellox::e2e {

// Reads and drives common controls of another process. Messages whose pointers
// the system marshals are sent directly; the rest go through a RemoteBuffer.

std::wstring controlText(HWND parent, int id);  // empty when there is no such control
int checkState(HWND checkBox);                  // BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE
std::vector<std::wstring> listBoxItems(HWND listBox);

size_t listViewRowCount(HWND listView);
std::vector<std::wstring> listViewColumns(HWND listView);
std::wstring listViewText(HWND listView, size_t row, size_t column);
std::vector<std::vector<std::wstring>> listViewRows(HWND listView);
bool listViewRowChecked(HWND listView, size_t row);  // its check box, as the state image shows it

size_t tabCount(HWND tab);
std::wstring tabCaption(HWND tab, size_t index);
std::vector<std::wstring> tabCaptions(HWND tab);
std::optional<size_t> selectedTab(HWND tab);
// The tab item's rectangle in screen coordinates.
std::optional<RECT> tabItemRect(HWND tab, size_t index);
// TCM_SETCURSEL notifies nobody, so the driver sends the parent TCN_SELCHANGE itself.
bool selectTabByMessage(HWND tab, size_t index);

}  // namespace vellox::e2e
