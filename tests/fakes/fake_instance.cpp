#include "fakes/fake_instance.h"

namespace vellox::test {

namespace {
class Lock : public InstanceLock {
 public:
  Lock(std::shared_ptr<std::set<std::string>> held, std::string name)
      : held_(std::move(held)), name_(std::move(name)) {}
  ~Lock() override { held_->erase(name_); }

 private:
  std::shared_ptr<std::set<std::string>> held_;
  std::string name_;
};
}  // namespace

std::unique_ptr<InstanceLock> FakeInstance::acquire(const std::string& name) {
  if (!held_->insert(name).second) return nullptr;
  return std::make_unique<Lock>(held_, name);
}

}  // namespace vellox::test
