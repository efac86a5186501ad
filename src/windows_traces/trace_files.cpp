#include "windows_traces/trace_files.h"
#include <cctype>
#include <vector>
#include "browsers/found_text.h"
#include "browsers/profile_probe.h"

namespace vellox {

namespace {

struct Pattern {
  const char* prefix;  // of the name, letter case ignored
  const char* suffix;
};

bool matches(const std::string& name, const Pattern& pattern) {
  const std::string prefix = pattern.prefix, suffix = pattern.suffix;
  if (name.size() < prefix.size() + suffix.size()) return false;
  auto same = [](const std::string& a, std::size_t at, const std::string& b) {
    for (std::size_t i = 0; i < b.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(a[at + i])) != std::tolower(static_cast<unsigned char>(b[i])))
        return false;
    return true;
  };
  return same(name, 0, prefix) && same(name, name.size() - suffix.size(), suffix);
}

std::string joined(std::string folder, char separator, const std::string& name) {
  if (folder.empty()) return {};
  if (folder.back() != separator) folder += separator;
  return folder + name;
}

bool heldWithoutSharing(Files& files, const std::string& path) {
  std::string nothing;
  return files.readFile(path, nothing, 0).code == FileErrc::InUse;
}

// Where the trace folder's contents are, followed as a browser's moved folder is: the folder
// itself, where its link leads when the rule allows that place to be cleared, or nowhere (the
// link named, left in place).
std::string reachable(ProfileProbe& probe, const std::string& folder, TraceFiles& found) {
  if (folder.empty()) return {};
  const FollowedFolder place = probe.follow(folder);
  if (!place.refused.empty()) probe.nameLink(found.paths, folder);
  return place.refused.empty() && probe.isFolder(place.path) ? place.path : std::string();
}

// The files right inside `folder` that match one of the patterns; links count as files
// and are removed as names.
void addMatching(Files& files, const std::string& folder, const std::vector<Pattern>& patterns, TraceFiles& found) {
  if (folder.empty()) return;
  for (const DirEntry& entry : files.readFolder(folder).entries) {
    if (entry.directory && !entry.link) continue;
    bool wanted = false;
    for (const auto& pattern : patterns) wanted = wanted || matches(entry.name, pattern);
    if (!wanted) continue;
    const std::string path = joined(folder, files.separator(), entry.name);
    if (!entry.link && heldWithoutSharing(files, path)) ++found.inUse;
    else found.paths.files.push_back(path);
  }
}

void addFolder(const std::string& folder, TraceFiles& found) {
  if (!folder.empty()) found.paths.folders.push_back(folder);
}

}  // namespace

bool isFileItem(TraceItem item) {
  return item == TraceItem::RecentItems || item == TraceItem::JumpLists || item == TraceItem::ThumbnailCache ||
         item == TraceItem::ErrorReports || item == TraceItem::ShaderCache;
}

TraceFiles findTraceFiles(Files& files, const ScopeRule& rule, TraceItem item) {
  const AppDataFolders appData = rule.system().appDataFolders();
  const char sep = files.separator();
  const std::string windows = "Microsoft" + std::string(1, sep) + "Windows";
  TraceFiles found;
  ProfileProbe probe(files, rule);
  const auto place = [&](const std::string& base, const std::string& below) {
    return reachable(probe, joined(base, sep, below), found);
  };
  const auto recent = [&] { return place(appData.roaming, windows + sep + "Recent"); };
  switch (item) {
    case TraceItem::RecentItems:
      addMatching(files, recent(), {{"", ".lnk"}}, found);
      break;
    case TraceItem::JumpLists:
      if (const std::string at = recent(); !at.empty()) {
        addMatching(files, place(at, "AutomaticDestinations"), {{"", ".automaticDestinations-ms"}}, found);
        addMatching(files, place(at, "CustomDestinations"), {{"", ".customDestinations-ms"}}, found);
      }
      break;
    case TraceItem::ThumbnailCache:
      addMatching(files, place(appData.local, windows + sep + "Explorer"),
                  {{"thumbcache_", ".db"}, {"iconcache_", ".db"}}, found);
      break;
    case TraceItem::ErrorReports:
      addFolder(place(appData.local, windows + sep + "WER" + sep + "ReportArchive"), found);
      addFolder(place(appData.local, windows + sep + "WER" + sep + "ReportQueue"), found);
      break;
    case TraceItem::ShaderCache:
      addFolder(place(appData.local, "D3DSCache"), found);
      break;
    default:
      break;
  }
  return found;
}

std::string filesFound(TraceItem item, const FileTally& tally, std::uint64_t inUse) {
  std::string text;
  if (tally.files > 0)
    text = item == TraceItem::RecentItems ? counted(tally.files, "item", "items")
                                          : sizeText(tally.bytes) + " in " + counted(tally.files, "file", "files");
  if (inUse > 0) text += (text.empty() ? "" : ", ") + withThousands(inUse) + " in use";
  return text.empty() ? "nothing" : text;
}

}  // namespace vellox

