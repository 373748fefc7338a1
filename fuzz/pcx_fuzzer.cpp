// Feeds arbitrary bytes to the PCX decoder; limits smaller than the
// program's keep the run on parsing rather than on allocating.
#include <cstddef>
#include <cstdint>

#include "pcx_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pelorine::DecodeLimits limits;
  limits.max_pixels = uint64_t{1} << 22;
  pelorine::DecodePcx({data, size}, limits);
  return 0;
}
