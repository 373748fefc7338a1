// Feeds arbitrary bytes to the icon decoder, both the entry that the canvas
// shows and every entry; limits smaller than the program's keep the run on
// parsing rather than on allocating.
#include <cstddef>
#include <cstdint>

#include "icon_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pelorine::DecodeLimits limits;
  limits.max_pixels = uint64_t{1} << 22;
  const pelorine::Bytes bytes(data, size);
  pelorine::DecodeIcon(bytes, limits);
  pelorine::DecodeAllIconEntries(bytes, limits);
  return 0;
}
