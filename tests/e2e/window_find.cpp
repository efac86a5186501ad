#include "window_find.h"

namespace vellox::e2e {
namespace {

struct Search {
  const WindowQuery* query;
  std::vector<HWND> found;
};

bool matches(HWND window, const WindowQuery& query) {
  if (query.visibleOnly && !IsWindowVisible(window)) return false;
  if (query.processId != 0 && windowProcess(window) != query.processId) return false;
  if (!query.className.empty() && windowClass(window) != query.className) return false;
  return query.caption.empty() || windowText(window) == query.caption;
}

BOOL CALLBACK collectTopLevel(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  if (matches(window, *search->query)) search->found.push_back(window);
  return TRUE;
}

struct IdSearch {
  int id;
  std::vector<HWND> found;
};

BOOL CALLBACK collectById(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<IdSearch*>(context);
  if (GetDlgCtrlID(window) == search->id) search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK collectChildren(HWND window, LPARAM context) {
  reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
  return TRUE;
}

std::vector<HWND> children(HWND parent) {
  std::vector<HWND> all;
  EnumChildWindows(parent, collectChildren, reinterpret_cast<LPARAM>(&all));
  return all;
}

}  // namespace

std::wstring windowText(HWND window) {
  // WM_GETTEXT is marshalled across processes; GetWindowTextW is not for other processes' controls.
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

std::wstring windowClass(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

DWORD windowProcess(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}

std::vector<HWND> topLevelWindows(const WindowQuery& query) {
  Search search{&query, {}};
  EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND findTopLevel(const WindowQuery& query, Millis timeout) {
  return waitFor(
      [&]() -> HWND {
        const auto found = topLevelWindows(query);
        return found.empty() ? nullptr : found.front();
      },
      timeout);
}

bool waitUntilGone(const WindowQuery& query, Millis timeout) {
  return waitUntil([&] { return topLevelWindows(query).empty(); }, timeout);
}

std::vector<HWND> descendantsWithId(HWND parent, int id) {
  IdSearch search{id, {}};
  EnumChildWindows(parent, collectById, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND findControl(HWND parent, int id) {
  const auto found = descendantsWithId(parent, id);
  return found.empty() ? nullptr : found.front();
}

MessageBoxView readMessageBox(HWND box) {
  MessageBoxView view;
  view.window = box;
  view.caption = windowText(box);
  for (HWND child : children(box)) {
    const std::wstring kind = windowClass(child);
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
      view.buttons.push_back(windowText(child));
    } else if (_wcsicmp(kind.c_str(), L"Static") == 0) {
      const LONG style = GetWindowLongW(child, GWL_STYLE);
      if ((style & SS_TYPEMASK) == SS_ICON) {
        // The box keeps its icon control even without an icon; only a set icon counts.
        const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        if (icon != nullptr && IsWindowVisible(child)) view.iconControl = child;
      } else if (view.text.empty()) {
        view.text = windowText(child);
      }
    }
  }
  return view;
}

std::optional<MessageBoxView> findMessageBox(DWORD processId, const std::wstring& caption,
                                             Millis timeout) {
  const HWND box = findTopLevel({caption, kDialogClass, processId, true}, timeout);
  if (box == nullptr) return std::nullopt;
  return readMessageBox(box);
}

bool pressButton(HWND dialog, int buttonId) {
  const HWND button = GetDlgItem(dialog, buttonId);
  if (button == nullptr || !IsWindowEnabled(button)) return false;
  // Posted, not sent: the click ends the box's modal loop, which must not block the driver.
  return PostMessageW(button, BM_CLICK, 0, 0) != 0;
}

}  // namespace vellox::e2e
