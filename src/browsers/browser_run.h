#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include "platform/ui.h"

namespace vellox {

// An Analyze or a Clean of the browsers, shared by the worker that does it and the
// window that shows it. The worker reports from its thread; everything it reports
// reaches the window's side in tasks posted to the window's thread.
class BrowserRun : public std::enable_shared_from_this<BrowserRun> {
 public:
  explicit BrowserRun(Ui& ui) : ui_(ui) {}

  // Worker side.
  void status(std::string text);
  // The "Found" text of the row with `key`.
  void found(std::string key, std::string text);
  // Posts `ending` to the window's thread; from then on the run no longer counts as running.
  // `stopped`: a stop cut it short, so what it shows is not whole.
  void finish(std::function<void()> ending, bool stopped = false);

  // Window side.
  bool running() const { return running_; }
  // The program ends: the closing box is not shown.
  void silence() { silenced_ = true; }
  bool silenced() const { return silenced_; }
  bool stopped() const { return stopped_; }
  // The window showing the run, if any; set and cleared by the window on its own thread.
  std::function<void(const std::string&)> onStatus;
  std::function<void(const std::string& key, const std::string& text)> onFound;
  std::function<void()> onEnded;
  // The window the closing box belongs to: 0 while none is shown.
  std::function<std::uintptr_t()> owner;

 private:
  Ui& ui_;
  // Window's thread only.
  bool running_ = true;
  bool silenced_ = false;
  bool stopped_ = false;
};

}  // namespace vellox
