#include "windows_traces/trace_items.h"
#include <algorithm>

namespace vellox {

namespace {

constexpr char kRecord = ';';

const std::array<TraceItemInfo, kTraceItemCount> kItems = {{
    {TraceItem::RecentItems, "Recent items", true, "The shortcuts in the Recent folder"},
    {TraceItem::JumpLists, "Jump lists", true, "The recent and pinned lists of the taskbar's programs"},
    {TraceItem::ExplorerHistory, "Explorer history", true,
     "Recent documents, Run commands, typed paths, searches and the open and save dialogs' lists"},
    {TraceItem::ShellBags, "Folder views (ShellBags)", false,
     "Every folder ever opened, removable drives included. Each folder's view settings are reset too."},
    {TraceItem::UserAssist, "Program use (UserAssist)", false, "How often and when each program was run"},
    {TraceItem::ThumbnailCache, "Thumbnail cache", true,
     "Small pictures of files and folders; those Explorer holds are left"},
    {TraceItem::Clipboard, "Clipboard", true, "What was last copied"},
    {TraceItem::ErrorReports, "Error reports", true, "Reports of programs that failed, queued or kept"},
    {TraceItem::ShaderCache, "DirectX shader cache", false, "Shaders that games and programs compiled"},
}};

}  // namespace

const std::array<TraceItemInfo, kTraceItemCount>& traceItems() { return kItems; }

const TraceItemInfo& traceInfo(TraceItem item) { return kItems[static_cast<std::size_t>(item)]; }

TraceChoices TraceChoices::parse(const std::string& stored) {
  TraceChoices choices;
  std::size_t start = 0;
  while (start <= stored.size()) {
    const std::size_t end = std::min(stored.find(kRecord, start), stored.size());
    const std::string record = stored.substr(start, end - start);
    start = end + 1;
    if (record.size() < 2 || (record[0] != '+' && record[0] != '-')) continue;
    for (const auto& info : kItems)
      if (record.compare(1, std::string::npos, info.name) == 0) choices.setChecked(info.item, record[0] == '+');
  }
  return choices;
}

std::string TraceChoices::text() const {
  std::string text;
  for (const auto& [item, on] : changed_) {
    if (!text.empty()) text += kRecord;
    text += (on ? "+" : "-") + std::string(traceInfo(item).name);
  }
  return text;
}

bool TraceChoices::checked(TraceItem item) const {
  const auto found = changed_.find(item);
  return found == changed_.end() ? traceInfo(item).checkedByDefault : found->second;
}

void TraceChoices::setChecked(TraceItem item, bool on) {
  if (on == traceInfo(item).checkedByDefault) changed_.erase(item);
  else changed_[item] = on;
}

}  // namespace vellox
