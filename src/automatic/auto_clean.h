#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "app/auto_options.h"
#include "automatic/clean_report.h"
#include "history/curl_history.h"
#include "platform/services.h"
#include "wipe/shred_control.h"

namespace vellox {

// When an automatic clean must stop: its worker was told to, or its deadline passed.
class CleanBudget {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  using Clock = std::function<TimePoint()>;

  explicit CleanBudget(ShredControl& control, Clock clock = std::chrono::steady_clock::now,
                       std::optional<TimePoint> until = std::nullopt);
  CleanBudget(const CleanBudget&) = delete;
  CleanBudget& operator=(const CleanBudget&) = delete;
  bool over() const { return control_.stopped() || timeUp(); }
  // Why a step did not run or did not end.
  std::string reason() const;
  ShredControl& control() { return control_; }

 private:
  bool timeUp() const { return until_ && clock_() >= *until_; }

  ShredControl& control_;
  Clock clock_;
  std::optional<TimePoint> until_;
};

// One store of an automatic clean.
struct CleanStep {
  // The history store and the shell's Recycle Bin belong to the window's thread;
  // the other steps may run on the worker.
  bool onWindowThread = false;
  std::string status;  // for the status bar while it runs
  std::string what;    // for the log, when it is skipped
  std::function<void(CleanBudget&, CleanReport&)> clean;
};

// The steps `options` asks for, in the order cookies, cache, history, temporary folder,
// Recycle Bin, Windows traces. They ask nothing and show no message. `services` and `historyStore` must
// outlive them.
std::vector<CleanStep> autoCleanSteps(Services& services, std::unique_ptr<CURLHistory>& historyStore,
                                      const AutoOptions& options);

// Runs the step, or reports it skipped when the budget is spent.
void runCleanStep(const CleanStep& step, CleanBudget& budget, CleanReport& report);

// Runs every step on this thread, showing each in the status through `status` (may be empty).
CleanReport runAutoClean(const std::vector<CleanStep>& steps, CleanBudget& budget,
                         const std::function<void(const std::string&)>& status);

}  // namespace vellox
