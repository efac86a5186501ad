#include "free_space/fill_texts.h"
#include <cmath>
#include <cstdio>
#include "browsers/found_text.h"

namespace vellox {

namespace {

constexpr const char* kSsdRemaps =
    "An SSD remaps writes. Overwriting its free space reaches only the cells that it maps now. The drive's own "
    "secure erase, or full-disk encryption from the start, is what protects an SSD.";

std::string speedText(double bytesPerSecond) {
  return sizeText(static_cast<std::uint64_t>(bytesPerSecond)) + "/s";
}

std::string freeChange(const FillReport& report) {
  std::string text = "Free space before: " + sizeText(report.freeAtStart) + ", after: ";
  return text + (report.freeAfter ? sizeText(*report.freeAfter) : "cannot be read") + ".";
}

void addLimits(std::string& text, const DriveNature& nature) {
  for (const auto& limit : fillLimits(nature)) text += "\n\n" + limit;
}

}  // namespace

std::vector<std::string> fillLimits(const DriveNature& nature) {
  std::vector<std::string> limits;
  if (nature.media == DriveMedia::SolidState || nature.trim)
    limits.push_back(std::string("This drive is an SSD or takes TRIM. ") + kSsdRemaps);
  else if (nature.media == DriveMedia::Unknown)
    limits.push_back(std::string("The kind of this drive cannot be told: it may be an SSD. ") + kSsdRemaps);
  if (!nature.shadowCopies)
    limits.push_back("Whether this volume has shadow copies cannot be told: restore points, if it has any, keep old "
                     "data, and overwriting free space does not reach it.");
  else if (*nature.shadowCopies)
    limits.push_back("This volume has shadow copies: restore points keep old data, and overwriting free space "
                     "does not reach it.");
  return limits;
}

std::string driveLetter(const Drive& drive) {
  std::string name = drive.root;
  while (name.size() > 1 && (name.back() == '\\' || name.back() == '/')) name.pop_back();
  return name;
}

std::string driveName(const Drive& drive) {
  const std::string inside = drive.label.empty() ? drive.fileSystem : drive.label + ", " + drive.fileSystem;
  return driveLetter(drive) + " (" + inside + ")";
}

std::string durationText(std::chrono::steady_clock::duration duration) {
  const double seconds = std::chrono::duration<double>(duration).count();
  char text[48];
  if (seconds < 10) {
    std::snprintf(text, sizeof text, "%.1f s", seconds);
  } else if (seconds < 60) {
    std::snprintf(text, sizeof text, "%d s", static_cast<int>(seconds));
  } else {
    const auto whole = static_cast<long long>(std::llround(seconds));
    if (whole < 3600)
      std::snprintf(text, sizeof text, "%lld min %lld s", whole / 60, whole % 60);
    else
      std::snprintf(text, sizeof text, "%lld h %lld min", whole / 3600, whole % 3600 / 60);
  }
  return text;
}

std::string fillWarning(const Drive& drive, const DriveNature& nature, std::optional<double> bytesPerSecond) {
  std::string text = "Wipe Free Space fills the free space of " + driveName(drive) +
                     " with files of zeros, written once, then releases it all at once. Files already deleted "
                     "from this drive can then no longer be recovered.\n\n" +
                     sizeText(drive.freeBytes) + " are free.";
  if (bytesPerSecond && *bytesPerSecond > 0) {
    const auto seconds = std::chrono::duration<double>(static_cast<double>(drive.freeBytes) / *bytesPerSecond);
    text += " At this disk's speed (" + speedText(*bytesPerSecond) + ") this takes about " +
            durationText(std::chrono::duration_cast<std::chrono::steady_clock::duration>(seconds)) + ".";
  } else {
    text += " The speed of this disk could not be measured, so how long it takes cannot be told.";
  }
  text += " Near the end the disk is full for a few seconds: other programs that save then may fail.";
  addLimits(text, nature);
  return text + "\n\nContinue?";
}

std::string fillClosing(const Drive& drive, const DriveNature& nature, const FillReport& report) {
  const std::string wrote = sizeText(report.written) + " in " + durationText(report.elapsed);
  std::string text;
  switch (report.end) {
    case FillEnd::Done:
      text = "The free space of " + driveName(drive) + " was wiped: " + wrote + ".";
      break;
    case FillEnd::Cancelled:
      text = "Wiping the free space of " + driveName(drive) + " was cancelled after writing " + wrote + ".";
      break;
    case FillEnd::Failed:
      text = "Wiping the free space of " + driveName(drive) + " stopped: " + report.error.description +
             " It had written " + wrote + ".";
      break;
  }
  if (report.fullFor) text += " The disk was full for " + durationText(*report.fullFor) + ".";
  text += "\n" + freeChange(report);
  if (report.end == FillEnd::Done) addLimits(text, nature);
  return text;
}

std::string fillResultLine(const Drive& drive, const FillReport& report) {
  std::string line = driveName(drive);
  switch (report.end) {
    case FillEnd::Done: line += " free space wiped: "; break;
    case FillEnd::Cancelled: line += " free-space wipe cancelled: "; break;
    case FillEnd::Failed: line += " free-space wipe failed (" + report.error.description + "): "; break;
  }
  line += sizeText(report.written) + " written in " + durationText(report.elapsed);
  if (report.fullFor) line += ", disk full for " + durationText(*report.fullFor);
  if (report.tinyFiles) line += ", " + std::to_string(report.tinyFiles) + " file-table records taken";
  return line + "; " + freeChange(report);
}

std::string driveRefusal(const std::string& driveName, DriveProblem problem, const std::string& fileSystem) {
  const std::string drive = "Drive " + driveName;
  switch (problem) {
    case DriveProblem::None: return {};
    case DriveProblem::Missing: return drive + " does not exist or holds no disk. Nothing was written.";
    case DriveProblem::ReadOnly: return drive + " is read-only. Nothing was written.";
    case DriveProblem::NotLocal: return drive + " is not a local disk. Nothing was written.";
    case DriveProblem::UnknownFileSystem:
      return drive + " has a file system (" + fileSystem +
             ") whose free space Vellox does not wipe: NTFS, ReFS, FAT32 and exFAT only. Nothing was written.";
  }
  return {};
}

std::string fillStatus(const Drive& drive, const FillProgress& progress) {
  std::string text = "Wiping free space of " + driveLetter(drive) + " " + std::to_string(progress.percent()) + "% (" +
                     sizeText(progress.written) + " of " + sizeText(progress.total) + ")";
  if (progress.bytesPerSecond > 0) text += ", " + speedText(progress.bytesPerSecond);
  if (progress.timeLeft)
    text += ", " + durationText(std::chrono::duration_cast<std::chrono::steady_clock::duration>(*progress.timeLeft)) +
            " left";
  return text;
}

}  // namespace vellox
