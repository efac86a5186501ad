#include <chrono>
#include "automatic/auto_clean_steps.h"
#include "windows_traces/trace_cleaning.h"

namespace vellox {

void cleanWindowsTraces(Services& services, const std::vector<TraceItem>& items, int securePasses,
                        CleanBudget& budget, CleanReport& report) {
  const TracesCleaned cleaned = cleanTraces(services, items, localTimeText(std::chrono::system_clock::now()),
                                            securePasses, budget.control());
  for (const auto& line : cleaned.cleaned) report.cleaned.push_back(line);
  for (const auto& line : cleaned.notCleaned) report.skipped.push_back(line);
  if (!cleaned.backupPath.empty()) report.cleaned.push_back("registry backup: " + cleaned.backupPath);
}

}  // namespace vellox
