#pragma once
#include <functional>
#include <string>
#include <vector>
#include "platform/shell.h"

namespace vellox::test {

class FakeShell : public Shell {
 public:
  bool emptyRecycleBin() override {
    ++recycleBinEmptied;
    if (onEmptyRecycleBin) onEmptyRecycleBin();
    return emptySucceeds;
  }
  bool openUrl(const std::string& url) override {
    openedUrls.push_back(url);
    return openSucceeds;
  }
  int recycleBinEmptied = 0;
  std::function<void()> onEmptyRecycleBin;
  bool emptySucceeds = true;
  std::vector<std::string> openedUrls;
  bool openSucceeds = true;
};

}  // namespace vellox::test
