#include "fakes/fake_instance.h"

namespace vellox::test {

namespace {
// Lets go of its name in the shared system when destroyed: a lock or a listener.
template <class Base, class Names>
class Hold : public Base {
 public:
  Hold(std::shared_ptr<FakeInstanceSystem> system, Names FakeInstanceSystem::*names, std::string name)
      : system_(std::move(system)), names_(names), name_(std::move(name)) {}
  ~Hold() override { ((*system_).*names_).erase(name_); }

 private:
  std::shared_ptr<FakeInstanceSystem> system_;
  Names FakeInstanceSystem::*names_;
  std::string name_;
};
using Lock = Hold<InstanceLock, std::set<std::string>>;
using Listener = Hold<HandOffListener, std::map<std::string, std::function<void(const std::string&)>>>;
}  // namespace

std::unique_ptr<InstanceLock> FakeInstance::acquire(const std::string& name) {
  if (!system_->held.insert(name).second) return nullptr;
  return std::make_unique<Lock>(system_, &FakeInstanceSystem::held, name);
}

bool FakeInstance::handOff(const std::string& name, const std::string& text) {
  if (!system_->held.count(name)) return false;
  auto listener = system_->listeners.find(name);
  if (listener == system_->listeners.end()) return false;
  listener->second(text);
  return true;
}

std::unique_ptr<HandOffListener> FakeInstance::listen(const std::string& name,
                                                      std::function<void(const std::string&)> received) {
  system_->listeners[name] = std::move(received);
  return std::make_unique<Listener>(system_, &FakeInstanceSystem::listeners, name);
}

}  // namespace vellox::test
