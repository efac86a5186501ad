#include <algorithm>
#include <mutex>
#include <utility>
#include "app/application.h"
#include "app/general_tab.h"
#include "automatic/auto_clean.h"
#include "automatic/clean_log.h"
#include "platform/ui.h"

namespace vellox {

// A clean whose steps take turns between the worker and the window's thread. What a step did
// is added under the lock, and nothing once the run's line is written: a step the end of the
// program cut off may still be ending on the worker.
struct AutoCleanRun {
  AutoCleanRun(CleanMoment moment, std::vector<CleanStep> steps) : moment(moment), steps(std::move(steps)) {}

  CleanMoment moment;
  std::vector<CleanStep> steps;
  std::size_t next = 0;  // the window's thread only

  std::mutex mutex;
  CleanReport report;
  std::size_t ended = 0;  // steps whose part is in the report
  bool written = false;

  void add(std::size_t step, CleanReport part) {
    std::lock_guard lock(mutex);
    if (written) return;
    report.add(std::move(part));
    ended = step + 1;
  }
  // The report as it stands, closed to later parts.
  CleanReport close() {
    std::lock_guard lock(mutex);
    written = true;
    return report;
  }
};

AutoOptions Application::autoOptions() {
  return main_ ? main_->tab<GeneralTab>().autoOptions() : storedAutoOptions(services_.settings);
}

void Application::startUpClean() {
  const AutoOptions options = autoOptions();
  if (!options.onStart || !options.cleansAnything() || cleanRun_) return;
  cleanRun_ =
      std::make_shared<AutoCleanRun>(CleanMoment::StartUp, autoCleanSteps(services_, state_.historyStore, options));
  continueClean(cleanRun_);
}

// A step of the history store or the Recycle Bin runs here; the others run on the
// worker, after any wipe queued before them, and hand the next step back to this thread.
void Application::continueClean(std::shared_ptr<AutoCleanRun> run) {
  while (cleanRun_ == run && !ended_ && run->next < run->steps.size()) {
    const std::size_t index = run->next++;
    const CleanStep& step = run->steps[index];
    showCleanStatus(step.status);
    if (!step.onWindowThread) {
      state_.worker.run([this, run, index, &step](ShredControl& control) {
        CleanBudget budget(control, clock_);
        CleanReport part;
        runCleanStep(step, budget, part);
        run->add(index, std::move(part));
        services_.ui.post([this, run] { continueClean(run); });
      });
      return;
    }
    ShredControl control;
    CleanBudget budget(control, clock_);
    CleanReport part;
    runCleanStep(step, budget, part);
    run->add(index, std::move(part));
  }
  if (cleanRun_ != run || ended_) return;
  cleanRun_.reset();
  showCleanStatus("");
  finishClean(run->moment, run->close());
}

// The start-up clean as far as it came: the step the worker had not ended is named as cut
// off, and the steps after it as not reached.
void Application::cutOffClean(AutoCleanRun& run, CleanMoment by) {
  CleanReport report = run.close();
  for (std::size_t i = run.ended; i < run.steps.size(); ++i) {
    if (i < run.next) report.skipped.push_back(run.steps[i].what + ": cut off before its end");
    else report.notReached.push_back(run.steps[i].what);
  }
  report.cutOff = by == CleanMoment::SessionEnd ? kSessionEnded : "the program exited";
  finishClean(run.moment, report);
}

bool Application::cleansAtShutdown() {
  const AutoOptions options = autoOptions();
  return options.onShutdown && options.cleansAnything();
}

void Application::shutdownClean(CleanMoment moment, std::optional<std::chrono::steady_clock::time_point> until) {
  // What the worker still does gives way, so the clean does not run over it; the clean of
  // start-up is logged as far as it came. A Clean of the Browsers tab still says how far it
  // came, as the session may go on.
  cancelWorker(until);
  if (auto earlier = std::exchange(cleanRun_, nullptr)) cutOffClean(*earlier, moment);
  if (!cleansAtShutdown()) return;
  ShredControl control;
  CleanBudget budget(control, clock_, until, moment == CleanMoment::SessionEnd ? kSessionEnded : kExitTimeRanOut);
  const auto steps = autoCleanSteps(services_, state_.historyStore, autoOptions());
  const CleanReport report =
      runAutoClean(steps, budget, [this](const std::string& text) { showCleanStatus(text); });
  finishClean(moment, report);
}

void Application::finishClean(CleanMoment moment, const CleanReport& report) {
  const std::string path = cleanLogPath(services_.systemFolders, services_.files);
  if (path.empty()) return;
  appendCleanLog(services_.files, path, cleanLogLine(localTimeText(std::chrono::system_clock::now()), moment, report));
}

// Only an open window shows the progress.
void Application::showCleanStatus(const std::string& text) {
  // A wipe owns the status bar while it runs.
  if (!main_ || !main_->view().visible() || state_.wiping()) return;
  main_->sbar.setText(text);
  main_->view().repaint();
}

}  // namespace vellox
