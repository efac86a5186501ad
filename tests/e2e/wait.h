#pragma once
#include <chrono>
#include <optional>
#include <thread>
#include <type_traits>

namespace vellox::e2e {

using Millis = std::chrono::milliseconds;

// The driver's one way to wait: poll a condition until it holds or the time is up.
// A short pause between polls keeps Wine's other processes running on 2 cores.
template <class Predicate>
bool waitUntil(Predicate&& condition, Millis timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(Millis(15));
  }
}

// Polls a search until it finds something; the last result (empty) when time runs out.
template <class Search>
auto waitFor(Search&& search, Millis timeout) -> std::invoke_result_t<Search&> {
  std::invoke_result_t<Search&> found{};
  waitUntil([&] { return static_cast<bool>(found = search()); }, timeout);
  return found;
}

}  // namespace vellox::e2e
