#include "fakes/fake_instance.h"

namespace vellox::test {

namespace {
class Lock : public InstanceLock {
 public:
  Lock(std::shared_ptr<FakeInstanceSystem> system, std::string name)
      : system_(std::move(system)), name_(std::move(name)) {}
  ~Lock() override { system_->held.erase(name_); }

 private:
  std::shared_ptr<FakeInstanceSystem> system_;
  std::string name_;
};

class Listener : public HandOffListener {
 public:
  Listener(std::shared_ptr<FakeInstanceSystem> system, std::string name)
      : system_(std::move(system)), name_(std::move(name)) {}
  ~Listener() override { system_->listeners.erase(name_); }

 private:
  std::shared_ptr<FakeInstanceSystem> system_;
  std::string name_;
};
}  // namespace

std::unique_ptr<InstanceLock> FakeInstance::acquire(const std::string& name) {
  if (!system_->held.insert(name).second) return nullptr;
  return std::make_unique<Lock>(system_, name);
}

bool FakeInstance::handOff(const std::string& name, const std::string& text) {
  handedOff.push_back(text);
  if (!system_->held.count(name)) return false;
  auto listener = system_->listeners.find(name);
  if (listener == system_->listeners.end()) return false;
  listener->second(text);
  return true;
}

std::unique_ptr<HandOffListener> FakeInstance::listen(const std::string& name,
                                                      std::function<void(const std::string&)> received) {
  system_->listeners[name] = std::move(received);
  return std::make_unique<Listener>(system_, name);
}

}  // namespace vellox::test
