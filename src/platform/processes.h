#pragma once
#include <string>
#include <vector>

namespace vellox {

// A program running on the machine, as any standard user may see it.
struct RunningProgram {
  std::string exeName;    // "chrome.exe", as the system lists it
  std::string imagePath;  // the full path of its program file; empty where the system refuses to tell
};

// The programs running now, for telling whether a browser is open while it holds no lock.
class Processes {
 public:
  virtual ~Processes() = default;
  // Every process of the machine at the time of the call; the list is empty when it cannot be taken.
  virtual std::vector<RunningProgram> running() = 0;
};

}  // namespace vellox
