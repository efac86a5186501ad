#pragma once
#include <functional>
#include <set>
#include <string>
#include <vector>
#include "platform/shell.h"

namespace vellox::test {

class FakeShell : public Shell {
 public:
  bool emptyRecycleBin(bool shown) override {
    ++recycleBinEmptied;
    binShown.push_back(shown);
    if (onEmptyRecycleBin) onEmptyRecycleBin();
    if (emptySucceeds) bin.clear();
    return emptySucceeds;
  }
  // Web addresses go to the browser; anything else would have to be an existing
  // file, and the fake knows none.
  bool openUrl(const std::string& url) override {
    openedUrls.push_back(url);
    return openSucceeds && url.find("://") != std::string::npos;
  }
  bool clipboardHasData() override { return !clipboard.empty(); }
  bool emptyClipboard() override { return (clipboard = {}).empty(); }
  void clearRecentDocuments() override {
    ++recentDocumentsCleared;
    if (onClearRecentDocuments) onClearRecentDocuments();
  }
  std::function<void()> onClearRecentDocuments;
  std::string clipboard;
  int recentDocumentsCleared = 0;
  int recycleBinEmptied = 0;
  std::vector<bool> binShown;  // each emptying's `shown`
  std::function<void()> onEmptyRecycleBin;
  bool emptySucceeds = true;
  std::set<std::string> bin;  // names in the Recycle Bin
  std::vector<std::string> openedUrls;
  bool openSucceeds = true;
};

}  // namespace vellox::test
