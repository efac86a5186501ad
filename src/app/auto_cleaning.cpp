#include <algorithm>
#include <utility>
#include "app/application.h"
#include "app/general_tab.h"
#include "automatic/auto_clean.h"
#include "automatic/clean_log.h"
#include "platform/ui.h"

namespace vellox {

// A clean whose steps take turns between the worker and the window's thread.
struct AutoCleanRun {
  CleanMoment moment;
  std::vector<CleanStep> steps;
  std::size_t next = 0;
  CleanReport report;
};

AutoOptions Application::autoOptions() {
  return main_ ? main_->tab<GeneralTab>().autoOptions() : storedAutoOptions(services_.settings);
}

void Application::startUpClean() {
  const AutoOptions options = autoOptions();
  if (!options.onStart || !options.cleansAnything() || cleanRun_) return;
  cleanRun_ = std::make_shared<AutoCleanRun>(
      AutoCleanRun{CleanMoment::StartUp, autoCleanSteps(services_, state_.historyStore, options)});
  continueClean(cleanRun_);
}

// A step of the history store or the Recycle Bin runs here; the others run on the
// worker, after any wipe queued before them, and hand the next step back to this thread.
void Application::continueClean(std::shared_ptr<AutoCleanRun> run) {
  while (cleanRun_ == run && !ended_ && run->next < run->steps.size()) {
    const CleanStep& step = run->steps[run->next++];
    showCleanStatus(step.status);
    if (!step.onWindowThread) {
      state_.worker.run([this, run, &step](ShredControl& control) {
        CleanBudget budget(control, clock_);
        runCleanStep(step, budget, run->report);
        services_.ui.post([this, run] { continueClean(run); });
      });
      return;
    }
    ShredControl control;
    CleanBudget budget(control, clock_);
    runCleanStep(step, budget, run->report);
  }
  if (cleanRun_ != run || ended_) return;
  cleanRun_.reset();
  showCleanStatus("");
  finishClean(run->moment, run->report);
}

bool Application::cleansAtShutdown() {
  const AutoOptions options = autoOptions();
  return options.onShutdown && options.cleansAnything();
}

void Application::shutdownClean(CleanMoment moment, std::optional<std::chrono::steady_clock::time_point> until) {
  // What the worker still does gives way, so the clean does not run over it; the clean of
  // start-up is logged as far as it came.
  if (!state_.worker.idle()) {
    state_.worker.cancelAll();
    const auto patience = until ? std::chrono::duration_cast<std::chrono::milliseconds>(*until - clock_())
                                : std::chrono::milliseconds(std::chrono::hours(1));
    state_.worker.waitIdle(std::max(patience, std::chrono::milliseconds(0)));
  }
  if (auto earlier = std::exchange(cleanRun_, nullptr)) {
    for (std::size_t i = earlier->next; i < earlier->steps.size(); ++i)
      earlier->report.skipped.push_back(earlier->steps[i].what + ": stopped before it was reached");
    finishClean(earlier->moment, earlier->report);
  }
  if (!cleansAtShutdown()) return;
  ShredControl control;
  CleanBudget budget(control, clock_, until);
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
