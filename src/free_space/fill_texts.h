#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <vector>
#include "free_space/free_space_fill.h"
#include "platform/free_space.h"

namespace vellox {

inline constexpr const char* kWipeFreeSpaceCaption = "Wipe Free Space";

// What overwriting free space cannot reach on this drive, one paragraph each.
std::vector<std::string> fillLimits(const DriveNature& nature);

// "D:", without the separator.
std::string driveLetter(const Drive& drive);
// "D: (Data, NTFS)", or "D: (NTFS)" without a label.
std::string driveName(const Drive& drive);
// "1 h 5 min", "2 min 5 s", "1.2 s".
std::string durationText(std::chrono::steady_clock::duration duration);

// Asked before a fill: what will happen, how long it may take at `bytesPerSecond`
// (measured on this disk, when it could be), and what it cannot reach.
std::string fillWarning(const Drive& drive, const DriveNature& nature, std::optional<double> bytesPerSecond);

// Shown when a fill has ended: what it wrote, how long it took and the disk was full, the free
// space before and after, and what it cannot reach.
std::string fillClosing(const Drive& drive, const DriveNature& nature, const FillReport& report);

// Why a drive named by the user cannot be filled; empty when it can.
std::string driveRefusal(const std::string& driveName, DriveProblem problem, const std::string& fileSystem = {});

// The command line's one line.
std::string fillResultLine(const Drive& drive, const FillReport& report);

// The status bar while a fill runs: "Wiping free space of D: 41% (1.2 GB of 2.9 GB), 95 MB/s, 18 s left".
std::string fillStatus(const Drive& drive, const FillProgress& progress);

}  // namespace vellox
