#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "decoded_picture.h"

namespace pelorine {

// Bounds-checked little-endian reads from a byte block. Every read outside
// the block gives nothing instead of touching memory beyond it.
class ByteReader {
 public:
  explicit ByteReader(Bytes bytes) : bytes_(bytes) {}

  size_t size() const { return bytes_.size(); }
  bool contains(size_t offset, size_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }
  std::optional<uint8_t> u8(size_t offset) const {
    if (!contains(offset, 1)) return std::nullopt;
    return bytes_[offset];
  }
  std::optional<uint16_t> u16(size_t offset) const {
    if (!contains(offset, 2)) return std::nullopt;
    return static_cast<uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
  }
  std::optional<uint32_t> u32(size_t offset) const {
    if (!contains(offset, 4)) return std::nullopt;
    return static_cast<uint32_t>(bytes_[offset]) |
           static_cast<uint32_t>(bytes_[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes_[offset + 2]) << 16 |
           static_cast<uint32_t>(bytes_[offset + 3]) << 24;
  }
  std::optional<int32_t> i32(size_t offset) const {
    auto value = u32(offset);
    if (!value) return std::nullopt;
    return static_cast<int32_t>(*value);
  }
  // The sub-block [offset, offset + length), or nothing when it does not lie
  // wholly inside the block.
  std::optional<Bytes> slice(size_t offset, size_t length) const {
    if (!contains(offset, length)) return std::nullopt;
    return bytes_.subspan(offset, length);
  }
  Bytes bytes() const { return bytes_; }

 private:
  Bytes bytes_;
};

}  // namespace pelorine
