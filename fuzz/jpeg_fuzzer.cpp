#include <cstddef>
#include <cstdint>

#include "client_area_rendering.h"
#include "jpeg_decoder.h"

// Small limits keep the runs in the parser rather than in the allocator. The
// rows go where the source canvas sends them, into both modes' renderings;
// the last byte picks the resampling so that both kinds are exercised.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const pelorine::DecodeLimits limits = {.max_side = 4096,
                                         .max_pixels = uint64_t{1} << 22};
  const pelorine::Resampling resampling =
      size > 0 && (data[size - 1] & 1) ? pelorine::Resampling::kNearest
                                       : pelorine::Resampling::kAreaAverage;
  pelorine::ClientAreaRenderer renderer(
      {410, 202, {240, 240, 240}, resampling});
  pelorine::DecodeJpegRows(pelorine::Bytes(data, size), limits, renderer);
  renderer.Finish();
  return 0;
}
