#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pelorine {

// The whole contents of a regular file, or no bytes when the path is empty,
// the file cannot be opened or is no regular file, or its size is 0 or
// 2 GiB and more.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

}  // namespace pelorine
