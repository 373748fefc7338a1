#pragma once

#include <functional>
#include <utility>

namespace pelorine {

// A single slot for the routine that runs once when the program ends.
class ExitHook {
 public:
  explicit ExitHook(std::function<void()> routine)
      : routine_(std::move(routine)) {}

  // Runs the routine and empties the slot, so it can never run twice.
  void Run() {
    if (!routine_) return;
    std::function<void()> routine = std::move(routine_);
    routine_ = nullptr;
    routine();
  }

 private:
  std::function<void()> routine_;
};

}  // namespace pelorine
