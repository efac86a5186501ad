#pragma once
#include <array>
#include <map>
#include <string>

namespace vellox {

// What Windows itself records of the user's work, one row each on the Windows tab.
enum class TraceItem {
  RecentItems,
  JumpLists,
  ExplorerHistory,
  ShellBags,
  UserAssist,
  ThumbnailCache,
  Clipboard,
  ErrorReports,
  ShaderCache,
};

struct TraceItemInfo {
  TraceItem item;
  const char* name;  // as the row reads
  bool checkedByDefault;
  const char* tip;   // what goes, for the row's tip
};

inline constexpr std::size_t kTraceItemCount = 9;
const std::array<TraceItemInfo, kTraceItemCount>& traceItems();
const TraceItemInfo& traceInfo(TraceItem item);

// Which rows are checked, kept as one line ("windowsitems"): records split by ';', each
// "+" or "-" and the row's name, only for rows that differ from their default. Names that
// are not rows are passed over, so a text from a later version still reads.
class TraceChoices {
 public:
  static TraceChoices parse(const std::string& stored);
  std::string text() const;
  bool checked(TraceItem item) const;
  void setChecked(TraceItem item, bool on);

 private:
  std::map<TraceItem, bool> changed_;
};

}  // namespace vellox
