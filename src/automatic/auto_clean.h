#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "automatic/auto_options.h"
#include "automatic/clean_report.h"
#include "history/curl_history.h"
#include "platform/services.h"
#include "wipe/shred_control.h"

namespace vellox {

// What a deadline is called in the log, when it cuts a clean short.
inline constexpr const char* kSessionEnded = "the session ended";

// When an automatic clean must stop: its worker was told to, or its deadline passed. A
// deadline that passed also sets the control's cancel flag, so whatever follows the control
// stops after the write in progress.
class CleanBudget {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  using Clock = std::function<TimePoint()>;

  explicit CleanBudget(ShredControl& control, Clock clock = std::chrono::steady_clock::now,
                       std::optional<TimePoint> until = std::nullopt, std::string deadline = kSessionEnded);
  CleanBudget(const CleanBudget&) = delete;
  CleanBudget& operator=(const CleanBudget&) = delete;
  bool over() const;
  // Why a step did not run or did not end.
  std::string reason() const;
  // What cut the clean short, for the log.
  std::string cutOffBy() const;
  ShredControl& control() { return control_; }

 private:
  bool timeUp() const { return until_ && clock_() >= *until_; }

  ShredControl& control_;
  Clock clock_;
  std::optional<TimePoint> until_;
  std::string deadline_;
};

// One store of an automatic clean.
struct CleanStep {
  // The history store and the shell's Recycle Bin belong to the window's thread;
  // the other steps may run on the worker.
  bool onWindowThread = false;
  std::string status;  // for the status bar while it runs
  std::string what;    // for the log, when it is skipped
  // Gets the services with a file service that refuses to delete or write once the budget
  // is over, so a long step ends within one file of a stop or its deadline.
  std::function<void(Services&, CleanBudget&, CleanReport&)> clean;
  Services* services = nullptr;
};

// The steps `options` asks for, in the order cookies, cache, history, temporary folder,
// Recycle Bin, Windows traces. They ask nothing and show no message. `services` and `historyStore` must
// outlive them.
std::vector<CleanStep> autoCleanSteps(Services& services, std::unique_ptr<CURLHistory>& historyStore,
                                      const AutoOptions& options);

// Runs the step, or reports it not reached when the budget is spent; a database statement it
// runs is interrupted when the budget runs out.
void runCleanStep(const CleanStep& step, CleanBudget& budget, CleanReport& report);

// Runs every step on this thread, showing each in the status through `status` (may be empty).
CleanReport runAutoClean(const std::vector<CleanStep>& steps, CleanBudget& budget,
                         const std::function<void(const std::string&)>& status);

}  // namespace vellox
