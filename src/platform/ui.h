#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vellox {

enum class MsgIcon { None = 0, Question = 32, Exclamation = 48, Information = 64 };
enum class MsgButtons { Ok = 0, OkCancel = 1, YesNo = 4 };
// Cancel also stands for Esc and the close box.
enum class MsgAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// The user-interface services beyond the windows' own controls.
class Ui {
 public:
  virtual ~Ui() = default;
  virtual MsgAnswer messageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                               MsgButtons buttons, std::uintptr_t owner = 0) = 0;
  // The file-open dialog. `filter` is in the "Name|pattern" form. Returns the
  // chosen full path, or nothing when the user cancelled.
  virtual std::optional<std::string> openFileDialog(std::uintptr_t owner, const std::string& filter,
                                                    const std::string& initialName) = 0;
  // The folder picker: opens with `initialFolder` selected, confirms file-system
  // folders only. Returns the chosen path, or empty text when cancelled.
  virtual std::string browseForFolder(const std::string& initialFolder, std::uintptr_t owner,
                                      const std::string& title) = 0;
  // Lets the event loop run the pending events once.
  virtual void doEvents() = 0;
  // Runs `task` on the window's thread after the current event has been handled.
  // May be called from any thread.
  virtual void post(std::function<void()> task) = 0;
  // Ends the event loop; the process then ends.
  virtual void quit() = 0;
};

}  // namespace vellox
