#pragma once

namespace pelorine {

// The values are those the window definition stores; 1 is not used.
enum class DisplayMode {
  kOwnSize = 0,     // at its own size from the top-left corner, cut off
  kScaledToFit = 2  // centred, shrunk to fit when too big, never enlarged
};

}  // namespace pelorine
