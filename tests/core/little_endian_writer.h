#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pelorine::test {

// Appends the low `size` bytes of `value`, least significant first.
inline void AppendLe(std::vector<uint8_t>& out, uint64_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back((value >> (8 * i)) & 0xFF);
}

// Overwrites `size` bytes at `offset` with `value`, least significant first.
inline void PutLe(std::vector<uint8_t>& out, size_t offset, uint64_t value,
                  int size) {
  for (int i = 0; i < size; ++i) out.at(offset + i) = (value >> (8 * i)) & 0xFF;
}

}  // namespace pelorine::test
