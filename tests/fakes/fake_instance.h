#pragma once
#include <memory>
#include <set>
#include <string>
#include "platform/instance.h"

namespace vellox::test {

// Instances share a set of held names, as processes share the system's mutexes.
class FakeInstance : public Instance {
 public:
  explicit FakeInstance(std::shared_ptr<std::set<std::string>> held = std::make_shared<std::set<std::string>>())
      : held_(std::move(held)) {}
  std::unique_ptr<InstanceLock> acquire(const std::string& name) override;
  std::string programFolder() override { return folder; }
  std::shared_ptr<std::set<std::string>> held() const { return held_; }
  std::string folder = "C:\\Program Files\\Tarn Vellox";

 private:
  std::shared_ptr<std::set<std::string>> held_;
};

}  // namespace vellox::test
