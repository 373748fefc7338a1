#include "jpeg_decoder.h"

#include <csetjmp>
#include <cstdint>
#include <type_traits>

// jpeglib.h needs size_t and FILE declared before it.
// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

namespace pelorine {
namespace {

// Legitimate progressive files have about ten scans. Every scan makes the
// library pass over the whole coefficient buffer again, so a large picture
// of a few hundred tiny scans costs minutes of CPU time.
constexpr int kMaxScans = 100;

// What libjpeg needs beside the coefficient buffer: tables, entropy decoder
// state and a few rows of samples for colour conversion and upsampling.
constexpr long kLibraryWorkingMemory = 64L << 20;

// An MCU row is at most 16 rows high at the default scale; offering libjpeg
// that many rows per call lets it deliver a whole MCU row at once.
constexpr JDIMENSION kRowsPerRead = 16;

// Everything libjpeg works on, in one trivially destructible block: a
// longjmp out of the library must not skip any destructor.
struct JpegSession {
  jpeg_decompress_struct decompressor;
  jpeg_error_mgr errors;
  jpeg_progress_mgr progress;
  std::jmp_buf abandon;
};
static_assert(std::is_trivially_destructible_v<JpegSession>);

JpegSession& SessionOf(j_common_ptr library) {
  return *static_cast<JpegSession*>(library->client_data);
}

[[noreturn]] void AbandonDecode(j_common_ptr library) {
  std::longjmp(SessionOf(library).abandon, 1);
}

// Warnings (a premature end of the data among them) let the decode go on;
// nothing is ever printed.
void IgnoreMessage(j_common_ptr, int) {}
void IgnoreOutput(j_common_ptr) {}

void LimitScans(j_common_ptr library) {
  if (SessionOf(library).decompressor.input_scan_number > kMaxScans) {
    AbandonDecode(library);
  }
}

// Enough for the coefficient buffer of a multi-scan file (every component's
// blocks, padded to whole MCUs) plus the working memory, so that a hostile
// file cannot make the library allocate beyond what this picture needs.
long LibraryMemoryCap(const jpeg_decompress_struct& decompressor) {
  auto round_up = [](uint64_t value, uint64_t multiple) {
    return (value + multiple - 1) / multiple * multiple;
  };
  uint64_t blocks = 0;
  for (int i = 0; i < decompressor.num_components; ++i) {
    const jpeg_component_info& component = decompressor.comp_info[i];
    blocks += round_up(component.width_in_blocks, component.h_samp_factor) *
              round_up(component.height_in_blocks, component.v_samp_factor);
  }
  return static_cast<long>(blocks * sizeof(JBLOCK)) + kLibraryWorkingMemory;
}

// Applications that write an Adobe marker store CMYK inverted (0 is full
// ink); files without it store the amount of ink.
uint8_t InkToLight(unsigned ink, unsigned black, bool inverted) {
  if (!inverted) {
    ink = 255 - ink;
    black = 255 - black;
  }
  return static_cast<uint8_t>((ink * black + 127) / 255);
}

// Hands the library's rows to the sink as they come. Returns false only if
// the library stops delivering rows, which a memory source never does.
bool ReadRgbRows(jpeg_decompress_struct& decompressor, PictureRowSink& sink) {
  // The library's image pool frees these rows with the decompressor.
  JSAMPARRAY rows = decompressor.mem->alloc_sarray(
      reinterpret_cast<j_common_ptr>(&decompressor), JPOOL_IMAGE,
      decompressor.output_width * 3, kRowsPerRead);
  while (decompressor.output_scanline < decompressor.output_height) {
    const JDIMENSION read =
        jpeg_read_scanlines(&decompressor, rows, kRowsPerRead);
    if (read == 0) return false;
    for (JDIMENSION i = 0; i < read; ++i) sink.TakeRow(rows[i], nullptr);
  }
  return true;
}

bool ReadCmykRows(jpeg_decompress_struct& decompressor, PictureRowSink& sink) {
  const bool inverted = decompressor.saw_Adobe_marker;
  const auto library = reinterpret_cast<j_common_ptr>(&decompressor);
  JSAMPARRAY ink_rows = decompressor.mem->alloc_sarray(
      library, JPOOL_IMAGE, decompressor.output_width * 4, kRowsPerRead);
  JSAMPARRAY light = decompressor.mem->alloc_sarray(
      library, JPOOL_IMAGE, decompressor.output_width * 3, 1);
  while (decompressor.output_scanline < decompressor.output_height) {
    const JDIMENSION read =
        jpeg_read_scanlines(&decompressor, ink_rows, kRowsPerRead);
    if (read == 0) return false;
    for (JDIMENSION i = 0; i < read; ++i) {
      const JSAMPLE* ink = ink_rows[i];
      JSAMPLE* out = light[0];
      for (JDIMENSION x = 0; x < decompressor.output_width; ++x) {
        for (int channel = 0; channel < 3; ++channel) {
          out[channel] = InkToLight(ink[channel], ink[3], inverted);
        }
        ink += 4;
        out += 3;
      }
      sink.TakeRow(light[0], nullptr);
    }
  }
  return true;
}

// The whole libjpeg conversation. The library may longjmp back to the setjmp
// here from any call, so this function and the row readers hold no object
// with a destructor; the sink lives in the caller and is called only between
// library calls.
bool DecodeWithLibjpeg(JpegSession& session, Bytes bytes,
                       const DecodeLimits& limits, PictureRowSink& sink) {
  jpeg_decompress_struct& decompressor = session.decompressor;
  decompressor.err = jpeg_std_error(&session.errors);
  session.errors.error_exit = AbandonDecode;
  session.errors.emit_message = IgnoreMessage;
  session.errors.output_message = IgnoreOutput;
  decompressor.client_data = &session;
  if (setjmp(session.abandon) != 0) return false;

  jpeg_create_decompress(&decompressor);
  session.progress.progress_monitor = LimitScans;
  decompressor.progress = &session.progress;
  jpeg_mem_src(&decompressor, bytes.data(), bytes.size());
  jpeg_read_header(&decompressor, TRUE);

  switch (decompressor.num_components) {
    case 1:  // libjpeg expands grey to R = G = B.
    case 3:
      decompressor.out_color_space = JCS_RGB;
      break;
    case 4:  // CMYK or YCCK; the library turns YCCK into CMYK.
      decompressor.out_color_space = JCS_CMYK;
      break;
    default:
      return false;
  }
  jpeg_calc_output_dimensions(&decompressor);
  if (!FitsLimits(decompressor.output_width, decompressor.output_height,
                  limits)) {
    return false;
  }
  decompressor.mem->max_memory_to_use = LibraryMemoryCap(decompressor);
  if (!sink.Start(static_cast<int>(decompressor.output_width),
                  static_cast<int>(decompressor.output_height),
                  /*with_alpha=*/false)) {
    return false;
  }

  jpeg_start_decompress(&decompressor);
  const bool complete = decompressor.out_color_space == JCS_CMYK
                            ? ReadCmykRows(decompressor, sink)
                            : ReadRgbRows(decompressor, sink);
  if (!complete) return false;
  jpeg_finish_decompress(&decompressor);
  return true;
}

}  // namespace

bool DecodeJpegRows(Bytes bytes, const DecodeLimits& limits,
                    PictureRowSink& sink) {
  JpegSession session{};
  const bool decoded = DecodeWithLibjpeg(session, bytes, limits, sink);
  jpeg_destroy_decompress(&session.decompressor);
  return decoded;
}

std::optional<DecodedPicture> DecodeJpeg(Bytes bytes,
                                         const DecodeLimits& limits) {
  PictureCollector collector(limits);
  if (!DecodeJpegRows(bytes, limits, collector)) return std::nullopt;
  return collector.Take();
}

}  // namespace pelorine
