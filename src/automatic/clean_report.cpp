#include "automatic/clean_report.h"
#include <ctime>
#include <iterator>

namespace vellox {

const char* momentName(CleanMoment moment) {
  switch (moment) {
    case CleanMoment::StartUp: return "start-up";
    case CleanMoment::Exit: return "exit";
    case CleanMoment::SessionEnd: return "end of session";
  }
  return "";
}

namespace {

std::string joined(const std::vector<std::string>& items) {
  if (items.empty()) return "nothing";
  std::string text;
  for (const auto& item : items) text += (text.empty() ? "" : "; ") + item;
  return text;
}

}  // namespace

void CleanReport::add(CleanReport part) {
  const auto append = [](std::vector<std::string>& to, std::vector<std::string>& from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
  };
  append(cleaned, part.cleaned);
  append(skipped, part.skipped);
  append(notReached, part.notReached);
  if (cutOff.empty()) cutOff = std::move(part.cutOff);
}

std::string cleanLogLine(const std::string& time, CleanMoment moment, const CleanReport& report) {
  std::string line = time + " | " + momentName(moment) + " | cleaned: " + joined(report.cleaned) +
                     " | skipped: " + joined(report.skipped);
  if (!report.cutOff.empty()) line += " | cut off as " + report.cutOff + "; not reached: " + joined(report.notReached);
  return line;
}

std::string localTimeText(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  char text[32] = {};
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

std::string oneLine(const std::string& text) {
  std::string line;
  for (char c : text) {
    const bool lineBreak = c == '\n' || c == '\r';
    if (!lineBreak) line += c;
    else if (!line.empty() && line.back() != ' ') line += ' ';
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

}  // namespace vellox
