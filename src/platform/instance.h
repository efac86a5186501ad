#pragma once
#include <memory>
#include <string>

namespace vellox {

// Held for the life of the process; its existence marks the running instance.
class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
};

class Instance {
 public:
  virtual ~Instance() = default;
  // The lock when no other instance of the program runs for this user; null otherwise.
  virtual std::unique_ptr<InstanceLock> acquire(const std::string& name) = 0;
  // The folder of the running executable, without a trailing separator
  // (except at a drive root).
  virtual std::string programFolder() = 0;
};

}  // namespace vellox
