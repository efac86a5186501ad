#pragma once
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include "platform/instance.h"

namespace vellox::test {

// What instances share, as processes share the system's mutexes and windows: the held
// names and the listeners by name.
struct FakeInstanceSystem {
  std::set<std::string> held;
  std::map<std::string, std::function<void(const std::string&)>> listeners;
};

class FakeInstance : public Instance {
 public:
  explicit FakeInstance(std::shared_ptr<FakeInstanceSystem> system = std::make_shared<FakeInstanceSystem>())
      : system_(std::move(system)) {}
  std::unique_ptr<InstanceLock> acquire(const std::string& name) override;
  // The listener takes the text at once: the real one takes it in the sender's call too.
  bool handOff(const std::string& name, const std::string& text) override;
  std::unique_ptr<HandOffListener> listen(const std::string& name,
                                          std::function<void(const std::string&)> received) override;
  std::string programFolder() override { return folder; }
  std::shared_ptr<FakeInstanceSystem> system() const { return system_; }
  std::string folder = "C:\\Program Files\\Tarn Vellox";

 private:
  std::shared_ptr<FakeInstanceSystem> system_;
};

}  // namespace vellox::test
