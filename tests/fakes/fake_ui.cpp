#include "fakes/fake_ui.h"

namespace vellox::test {

MsgAnswer FakeUi::messageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                             MsgButtons buttons, std::uintptr_t) {
  messages.push_back({text, caption, icon, buttons});
  if (onMessageBox) runHandler(onMessageBox);
  if (!answers.empty()) {
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

std::optional<std::string> FakeUi::openFileDialog(std::uintptr_t, const std::string& filter,
                                                  const std::string& initialName) {
  ++openFileCalls;
  lastFilter = filter;
  lastInitialName = initialName;
  return openFileResult;
}

std::string FakeUi::browseForFolder(const std::string& initialFolder, std::uintptr_t owner,
                                    const std::string& title) {
  ++folderCalls;
  lastInitialFolder = initialFolder;
  lastFolderOwner = owner;
  lastFolderTitle = title;
  return folderResult;
}

void FakeUi::doEvents() {
  ++doEventsCalls;
  if (onDoEvents) runHandler(onDoEvents);
}

void FakeUi::post(std::function<void()> task) {
  std::lock_guard lock(mutex_);
  posted_.push_back(std::move(task));
}

bool FakeUi::anyPosted() const {
  std::lock_guard lock(mutex_);
  return !posted_.empty();
}

void FakeUi::runPosted() {
  while (handlerDepth_ == 0) {
    std::function<void()> task;
    {
      std::lock_guard lock(mutex_);
      if (posted_.empty()) return;
      task = std::move(posted_.front());
      posted_.pop_front();
    }
    runHandler(task);
  }
}

void FakeUi::runHandler(const std::function<void()>& handler) {
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  } running(handlerDepth_);
  handler();
}

}  // namespace vellox::test
