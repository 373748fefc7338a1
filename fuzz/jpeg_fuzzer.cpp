#include <cstddef>
#include <cstdint>

#include "jpeg_decoder.h"

// Small limits keep the runs in the parser rather than in the allocator.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const pelorine::DecodeLimits limits = {.max_side = 4096,
                                         .max_pixels = uint64_t{1} << 22};
  pelorine::DecodeJpeg(pelorine::Bytes(data, size), limits);
  return 0;
}
