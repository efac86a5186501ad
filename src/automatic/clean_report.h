#pragma once
#include <chrono>
#include <string>
#include <vector>

namespace vellox {

enum class CleanMoment { StartUp, Exit, SessionEnd };

// What one automatic clean did, each entry naming the store and saying how much or why not.
struct CleanReport {
  std::vector<std::string> cleaned;
  std::vector<std::string> skipped;
  // Set when a stop or a deadline cut the clean short: what did it ("the session ended"),
  // and the stores it never began.
  std::string cutOff;
  std::vector<std::string> notReached;

  // Adds what another part of the same clean did.
  void add(CleanReport part);
};

// The log's line for one clean: "<time> | <moment> | cleaned: a; b | skipped: c", and, for a
// clean cut short, " | cut off as <why>; not reached: d; e".
std::string cleanLogLine(const std::string& time, CleanMoment moment, const CleanReport& report);

// "start-up", "exit", "end of session".
const char* momentName(CleanMoment moment);

// "2026-12-08 07:40:05" in the user's time zone.
std::string localTimeText(std::chrono::system_clock::time_point when);

// A text of several lines, such as a message for a box, on one line of the log.
std::string oneLine(const std::string& text);

}  // namespace vellox
