#pragma once
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>
#include "platform/ui.h"

namespace vellox::test {

struct ShownMessage {
  std::string text;
  std::string caption;
  MsgIcon icon;
  MsgButtons buttons;
};

// Records every message box and answers from a script (OK, or Yes, when the
// script is empty). Posted tasks wait until runPosted(), the event loop's idle
// turn; as in the real loop they wait on while an event handler runs, even one
// that lets the loop run (doEvents, a message box: only handlers call them).
class FakeUi : public Ui {
 public:
  MsgAnswer messageBox(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons,
                       std::uintptr_t owner) override;
  std::optional<std::string> openFileDialog(std::uintptr_t owner, const std::string& filter,
                                            const std::string& initialName) override;
  std::string browseForFolder(const std::string& initialFolder, std::uintptr_t owner,
                              const std::string& title) override;
  void doEvents() override;
  // From any thread, as the real one.
  void post(std::function<void()> task) override;
  void quit() override { quitCalled = true; }

  // Runs the tasks posted so far, and those they post, in order; nothing while
  // a handler runs.
  void runPosted();
  bool anyPosted() const;
  // Runs `handler` as the event loop runs an event's handler.
  void runHandler(const std::function<void()>& handler);

  std::vector<ShownMessage> messages;
  std::deque<MsgAnswer> answers;
  // Runs inside doEvents(), as events that arrive while the loop is let run.
  std::function<void()> onDoEvents;
  // Runs inside messageBox(), as events that arrive while a box is up.
  std::function<void()> onMessageBox;
  int doEventsCalls = 0;
  bool quitCalled = false;

  // File-open dialog: the result to give, and what it was asked with.
  std::optional<std::string> openFileResult;
  std::string lastFilter, lastInitialName;
  int openFileCalls = 0;
  // Folder picker: the result to give, and what it was asked with.
  std::string folderResult;
  std::string lastInitialFolder, lastFolderTitle;
  std::uintptr_t lastFolderOwner = 0;
  int folderCalls = 0;

 private:
  mutable std::mutex mutex_;
  std::deque<std::function<void()>> posted_;
  int handlerDepth_ = 0;
};

}  // namespace vellox::test
