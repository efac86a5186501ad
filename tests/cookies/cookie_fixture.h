#pragma once
#include <memory>
#include <string>
#include <vector>
#include "app/main_window.h"
#include "fakes/test_env.h"

namespace vellox::test {

inline constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char* kCookieFolder = "C:\\Users\\u\\Cookies";

// A loaded main window over fakes whose registry names a cookie folder.
struct CookieWindow {
  explicit CookieWindow(const std::string& folder = kCookieFolder) {
    env.state.showIndexDat = true;
    env.registry.setString(kShellFolders, "Cookies", folder);
    env.files.addFolder(kCookieFolder);
  }
  TestEnv env;
  std::unique_ptr<frmmain> form = std::make_unique<frmmain>(env.services, env.state, [] {});
  HeadlessMainView& view = *env.views.main;
  HeadlessListView& list = view.lstcookies;

  FakeFiles::Node& file(const std::string& name) { return env.files.addFile(std::string(kCookieFolder) + "\\" + name); }
  std::vector<std::string> names() const {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < list.count(); ++i) items.push_back(list.text(i));
    return items;
  }
  std::vector<std::size_t> selectedRows() const {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < list.count(); ++i)
      if (list.selected(i)) rows.push_back(i);
    return rows;
  }
  void select(std::initializer_list<std::size_t> rows) {
    for (std::size_t i = 0; i < list.count(); ++i) list.setSelected(i, false);
    for (std::size_t row : rows) list.setSelected(row, true);
  }
};

}  // namespace vellox::test
