#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace pelorine {

// The median wall-clock time of `runs` calls, in milliseconds.
inline double MedianMs(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    times.push_back(
        std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace pelorine
