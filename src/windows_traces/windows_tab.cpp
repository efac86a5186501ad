#include "windows_traces/windows_tab.h"
#include <chrono>
#include "automatic/clean_report.h"
#include "browsers/browser_run.h"
#include "browsers/run_view.h"
#include "common/app_identity.h"
#include "platform/ui.h"
#include "windows_traces/trace_cleaning.h"
#include "windows_traces/trace_settings.h"

namespace vellox {

namespace {

constexpr int kColFound = 1;

std::vector<TraceItem> rowItems() {
  std::vector<TraceItem> items;
  for (const auto& info : traceItems()) items.push_back(info.item);
  return items;
}

}  // namespace

WindowsTab::WindowsTab(WindowsControls controls, Services& services, ProgramState& state, const ShredLevel& level,
                       TabHost& host)
    : WindowsControls(controls), services_(services), state_(state), level_(level), host_(host) {
  const auto alive = host.alive();
  lstWindows.onCheckToggled = [this, alive](std::size_t row) {
    if (*alive) lstWindows_CheckToggled(row);
  };
  bindWhileOpen(cmdAnalyzeWindows.onClick, alive, [this] { cmdAnalyzeWindows_Click(); });
  bindWhileOpen(cmdCleanWindows.onClick, alive, [this] { cmdCleanWindows_Click(); });
  followWindowsRun();
}

// The rows stay as they are while a job works on them.
void WindowsTab::loadWindowsList() {
  if (state_.windowsTracesBusy()) return;
  const TraceChoices choices = storedTraceChoices(services_.settings);
  lstWindows.setColumnWidth(0, lstWindows.width() * 0.45);
  lstWindows.setColumnWidth(1, lstWindows.width() * 0.55);
  loading_ = true;
  lstWindows.beginUpdate();
  lstWindows.clear();
  for (const auto& info : traceItems()) {
    const std::size_t row = lstWindows.addRow(info.name, info.name);
    lstWindows.setChecked(row, choices.checked(info.item));
  }
  lstWindows.endUpdate();
  loading_ = false;
}

// Stored at each toggle. Checking the folder views says first what else goes with them.
void WindowsTab::lstWindows_CheckToggled(std::size_t row) {
  if (loading_ || row >= kTraceItemCount || row >= lstWindows.count()) return;
  const TraceItemInfo& info = traceItems()[row];
  TraceChoices choices = storedTraceChoices(services_.settings);
  choices.setChecked(info.item, lstWindows.checked(row));
  saveTraceChoices(services_.settings, choices);
  if (info.item == TraceItem::ShellBags && lstWindows.checked(row))
    services_.ui.messageBox(std::string(info.name) + ": " + info.tip, kAppTitle, MsgIcon::Exclamation,
                            MsgButtons::Ok, host_.owner());
}

void WindowsTab::cmdAnalyzeWindows_Click() {
  if (state_.windowsTracesBusy() || lstWindows.count() == 0) return;
  auto run = startWindowsRun();
  Services* services = &services_;
  state_.worker.run([services, run](ShredControl& control) {
    const auto& items = traceItems();
    for (std::size_t i = 0; i < items.size() && !control.stopped(); ++i) {
      run->status(std::string("Analyzing ") + items[i].name + ", " + std::to_string(i + 1) + " of " +
                  std::to_string(items.size()));
      run->found(items[i].name, analyzeTrace(*services, items[i].item));
    }
    run->finish([] {});
  });
}

void WindowsTab::cmdCleanWindows_Click() {
  if (state_.windowsTracesBusy()) return;
  std::vector<TraceItem> checked;
  const auto rows = rowItems();
  for (std::size_t row = 0; row < rows.size() && row < lstWindows.count(); ++row)
    if (lstWindows.checked(row)) checked.push_back(rows[row]);
  if (checked.empty()) {
    services_.ui.messageBox("No item is checked.", kAppTitle, MsgIcon::Information, MsgButtons::Ok,
                            host_.owner());
    return;
  }
  const auto alive = host_.alive();
  const auto answer = services_.ui.messageBox("Clean the checked items?", kAppTitle, MsgIcon::Question,
                                              MsgButtons::YesNo, host_.owner());
  // The box let other events run: the window may be gone, or a job started.
  if (!*alive || answer != MsgAnswer::Yes || state_.windowsTracesBusy()) return;
  auto run = startWindowsRun();
  Services* services = &services_;
  Ui& ui = services_.ui;
  state_.worker.run([services, &ui, run, checked, passes = level_.securePasses()](ShredControl& control) {
    const TracesCleaned result =
        cleanTraces(*services, checked, localTimeText(std::chrono::system_clock::now()), passes, control,
                    [&run](const std::string& text) { run->status(text); });
    // What is left shows in "Found" before the message does.
    for (const auto& info : traceItems()) run->found(info.name, analyzeTrace(*services, info.item));
    run->finish([&ui, run, message = tracesMessage(result)] {
      ui.messageBox(message, kAppTitle, MsgIcon::Information, MsgButtons::Ok, run->owner ? run->owner() : 0);
    });
  });
}

std::shared_ptr<BrowserRun> WindowsTab::startWindowsRun() {
  auto run = std::make_shared<BrowserRun>(services_.ui);
  state_.windowsTraces = run;
  for (std::size_t row = 0; row < lstWindows.count(); ++row) lstWindows.setSubItem(row, kColFound, "");
  followWindowsRun();
  // A wipe before it on the worker goes first.
  if (state_.wiping()) host_.setStatus("Waiting for the wipe to end...");
  return run;
}

// Binds this window to the running Analyze or Clean, if any, and shows its state.
void WindowsTab::followWindowsRun() {
  if (!state_.windowsTracesBusy()) return;
  auto& run = *state_.windowsTraces;
  const auto live = showRunIn(run, host_, lstWindows, kColFound);
  run.onEnded = [this, live] {
    if (live()) showWindowsRunning(false);
  };
  showWindowsRunning(true);
}

void WindowsTab::showWindowsRunning(bool running) {
  cmdAnalyzeWindows.setEnabled(!running);
  cmdCleanWindows.setEnabled(!running);
  if (!running) host_.setStatus("");
}

}  // namespace vellox
