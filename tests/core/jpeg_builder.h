#pragma once

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

// jpeglib.h needs size_t and FILE declared before it.
// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

namespace pelorine::test {

// What the test JPEG compressor writes. Anything left at its default is the
// library's default.
struct JpegRecipe {
  int width = 16;
  int height = 16;
  int components = 3;
  J_COLOR_SPACE input_space = JCS_RGB;
  // The colour space stored in the file; JCS_UNKNOWN keeps the library's
  // choice for the input space.
  J_COLOR_SPACE stored_space = JCS_UNKNOWN;
  bool adobe_marker = true;                // only where the library writes one
  bool progressive = false;                // the library's standard progression
  std::vector<jpeg_scan_info> scans = {};  // a scan script of its own
  bool full_chroma = false;                // no chroma subsampling
  int quality = 100;
};

// Compresses `samples` (components bytes a pixel, rows top to bottom) with
// libjpeg. A recipe the library rejects ends the test program, as libjpeg's
// standard error handler does.
inline std::vector<uint8_t> EncodeJpeg(const JpegRecipe& recipe,
                                       std::span<const uint8_t> samples) {
  jpeg_compress_struct compressor{};
  jpeg_error_mgr errors{};
  compressor.err = jpeg_std_error(&errors);
  jpeg_create_compress(&compressor);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&compressor, &buffer, &size);
  compressor.image_width = recipe.width;
  compressor.image_height = recipe.height;
  compressor.input_components = recipe.components;
  compressor.in_color_space = recipe.input_space;
  jpeg_set_defaults(&compressor);
  jpeg_set_quality(&compressor, recipe.quality, TRUE);
  if (recipe.stored_space != JCS_UNKNOWN) {
    jpeg_set_colorspace(&compressor, recipe.stored_space);
  }
  if (!recipe.adobe_marker) compressor.write_Adobe_marker = FALSE;
  if (recipe.full_chroma) {
    for (int i = 0; i < compressor.num_components; ++i) {
      compressor.comp_info[i].h_samp_factor = 1;
      compressor.comp_info[i].v_samp_factor = 1;
    }
  }
  if (recipe.progressive) jpeg_simple_progression(&compressor);
  if (!recipe.scans.empty()) {
    compressor.scan_info = recipe.scans.data();
    compressor.num_scans = static_cast<int>(recipe.scans.size());
  }
  jpeg_start_compress(&compressor, TRUE);
  const size_t stride = static_cast<size_t>(recipe.width) * recipe.components;
  while (compressor.next_scanline < compressor.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(samples.data()) +
                   stride * compressor.next_scanline;
    jpeg_write_scanlines(&compressor, &row, 1);
  }
  jpeg_finish_compress(&compressor);
  jpeg_destroy_compress(&compressor);
  std::vector<uint8_t> file(buffer, buffer + size);
  std::free(buffer);
  return file;
}

// A progressive scan script of `scan_count` scans (at most 1 + 63 a
// component): the DC scan of all components, then one AC coefficient a scan,
// taking the components in turn.
inline std::vector<jpeg_scan_info> SingleCoefficientScans(int components,
                                                          int scan_count) {
  std::vector<jpeg_scan_info> scans(1);
  scans[0].comps_in_scan = components;
  for (int i = 0; i < components; ++i) scans[0].component_index[i] = i;
  for (int k = 0; k + 1 < scan_count; ++k) {
    jpeg_scan_info scan{};
    scan.comps_in_scan = 1;
    scan.component_index[0] = k % components;
    scan.Ss = scan.Se = 1 + k / components;
    scans.push_back(scan);
  }
  return scans;
}

// Offset of the first marker segment with this code (from its FF byte),
// found by walking the segments after SOI; 0 when there is none.
inline size_t FindSegment(std::span<const uint8_t> file, uint8_t code) {
  size_t at = 2;
  while (at + 4 <= file.size() && file[at] == 0xFF) {
    if (file[at + 1] == code) return at;
    at += 2 + (size_t{file[at + 2]} << 8 | file[at + 3]);
  }
  return 0;
}

}  // namespace pelorine::test
