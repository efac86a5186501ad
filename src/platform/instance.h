#pragma once
#include <functional>
#include <memory>
#include <string>

namespace vellox {

// Held for the life of the process; its existence marks the running instance.
class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
};

// Takes what later instances hand to this one, while it lives.
class HandOffListener {
 public:
  virtual ~HandOffListener() = default;
};

class Instance {
 public:
  virtual ~Instance() = default;
  // The lock when no other instance of the program runs for this user; null otherwise.
  virtual std::unique_ptr<InstanceLock> acquire(const std::string& name) = 0;
  // Gives `text` to the listener of the instance holding `name`: true once it took it;
  // false at once when no instance holds `name`, or after a few seconds without a listener.
  virtual bool handOff(const std::string& name, const std::string& text) = 0;
  // Lets later instances hand text to this one, which holds `name`'s lock. `received` runs
  // on the thread that listens, which must run an event loop.
  virtual std::unique_ptr<HandOffListener> listen(const std::string& name,
                                                  std::function<void(const std::string&)> received) = 0;
  // The folder of the running executable, without a trailing separator
  // (except at a drive root).
  virtual std::string programFolder() = 0;
};

}  // namespace vellox
