// Times the way from a 6000 x 4000 photo on disk to the first scaled paint,
// against djpeg decoding the same file in the same run, and measures the
// peak memory of that way in a child process of its own.
//   picture_pipeline_bench [RUNS]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

// jpeglib.h needs size_t and FILE declared before it.
// clang-format off
#include <jpeglib.h>
// clang-format on

#include "bench_timing.h"
#include "decode_picture.h"
#include "read_whole_file.h"
#include "source_picture.h"

namespace {

using pelorine::DisplayMode;
using pelorine::MedianMs;
using pelorine::RenderingSettings;
using pelorine::SourcePicture;

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;
const RenderingSettings kSettings{
    410, 202, {240, 240, 240}, pelorine::Resampling::kAreaAverage};

// Smooth shapes, edges and sensor-like noise, so the file compresses like a
// photo rather than like a flat test card.
bool WritePhotoLikeJpeg(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  jpeg_compress_struct cinfo;
  jpeg_error_mgr error;
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = kWidth;
  cinfo.image_height = kHeight;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::minstd_rand noise(42);
  std::vector<JSAMPLE> row(kWidth * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const double v = static_cast<double>(cinfo.next_scanline) / kHeight;
    for (int x = 0; x < kWidth; ++x) {
      const double u = static_cast<double>(x) / kWidth;
      const double hills = std::sin(u * 9 + std::cos(v * 7) * 2) * 40;
      const bool edge = std::fmod(u * 13 + v * 5, 1.0) < 0.08;
      const int grain = static_cast<int>(noise() % 17) - 8;
      const int base = edge ? 60 : 150;
      auto channel = [&](double value) {
        const int c = static_cast<int>(value) + grain;
        return static_cast<JSAMPLE>(c < 0 ? 0 : c > 255 ? 255 : c);
      };
      row[3 * x] = channel(base + hills + 60 * v);
      row[3 * x + 1] = channel(base * 0.8 + hills * 0.5 + 40 * u);
      row[3 * x + 2] = channel(base * 0.6 - hills + 80 * (1 - v));
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(file) == 0;
}

// Takes the rows and drops them, so that only the decoding is timed.
class DroppingSink : public pelorine::PictureRowSink {
 public:
  bool Start(int, int, bool) override { return true; }
  void TakeRow(const uint8_t*, const uint8_t*) override {}
};

// Reading the file, decoding it and the first paint in the scaled mode.
const pelorine::RgbImage& FirstScaledPaint(SourcePicture& picture,
                                           const std::string& path) {
  picture.SetDisplayMode(DisplayMode::kScaledToFit);
  picture.SetBytes(pelorine::ReadWholeFile(path));
  return picture.Rendering(kSettings);
}

// The child's peak resident memory for one FirstScaledPaint, in KiB.
long PeakKiBOfPipeline(const char* self, const std::string& path) {
  const pid_t child = fork();
  if (child == 0) {
    execl(self, self, "--pipeline-only", path.c_str(), nullptr);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || status != 0) return -1;
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--pipeline-only") {
    SourcePicture picture;
    return FirstScaledPaint(picture, argv[2]).empty() ? 1 : 0;
  }
  const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
  const std::string path =
      (std::filesystem::temp_directory_path() / "pelorine-bench-6000x4000.jpg")
          .string();
  if (!WritePhotoLikeJpeg(path)) return 1;
  const auto file_size = std::filesystem::file_size(path);
  const std::vector<uint8_t> bytes = pelorine::ReadWholeFile(path);

  const std::string djpeg = "djpeg -outfile /dev/null '" + path + "'";
  const double djpeg_ms = MedianMs(runs, [&] {
    if (std::system(djpeg.c_str()) != 0) std::exit(1);
  });
  const double decode_ms = MedianMs(runs, [&] {
    DroppingSink sink;
    if (!pelorine::DecodePictureRows(bytes, sink)) std::exit(1);
  });
  const double whole_ms = MedianMs(runs, [&] {
    if (!pelorine::DecodePicture(bytes)) std::exit(1);
  });
  SourcePicture picture;
  const double pipeline_ms =
      MedianMs(runs, [&] { FirstScaledPaint(picture, path); });
  const double repaint_ms =
      MedianMs(runs, [&] { picture.Rendering(kSettings); });
  const double switch_ms = MedianMs(runs, [&] {
    picture.SetDisplayMode(DisplayMode::kOwnSize);
    picture.Rendering(kSettings);
    picture.SetDisplayMode(DisplayMode::kScaledToFit);
    picture.Rendering(kSettings);
  });
  const long peak_kib = PeakKiBOfPipeline(argv[0], path);
  const double budget_mib =
      (file_size + 4.0 * kWidth * kHeight) / (1024 * 1024) + 32;

  std::printf("file: %dx%d JPEG, %.1f MiB; median of %d runs\n", kWidth,
              kHeight, file_size / (1024.0 * 1024), runs);
  std::printf("djpeg -outfile /dev/null:        %8.1f ms\n", djpeg_ms);
  std::printf("(a) decode alone:                %8.1f ms\n", decode_ms);
  std::printf("    decode kept whole:           %8.1f ms\n", whole_ms);
  std::printf(
      "(b) read + decode + first paint: %8.1f ms = %.2f x djpeg "
      "(goal <= 1.25)\n",
      pipeline_ms, pipeline_ms / djpeg_ms);
  std::printf("repaint:                         %8.3f ms (goal <= 2)\n",
              repaint_ms);
  std::printf("switch to own size and back:     %8.3f ms (goal <= 2)\n",
              switch_ms);
  std::printf("peak memory of (b):              %8.1f MiB (goal <= %.1f)\n",
              peak_kib / 1024.0, budget_mib);
  std::filesystem::remove(path);
  return 0;
}
