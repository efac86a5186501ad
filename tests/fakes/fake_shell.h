#pragma once
#include <functional>
#include <string>
#include <vector>
#include "platform/shell.h"

namespace vellox::test {

class FakeShell : public Shell {
 public:
  void emptyRecycleBin() override {
    ++recycleBinEmptied;
    if (onEmptyRecycleBin) onEmptyRecycleBin();
  }
  bool openUrl(const std::string& url) override {
    openedUrls.push_back(url);
    return openSucceeds;
  }
  int recycleBinEmptied = 0;
  std::function<void()> onEmptyRecycleBin;
  std::vector<std::string> openedUrls;
  bool openSucceeds = true;
};

}  // namespace vellox::test
