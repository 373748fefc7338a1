// Times cutting, capturing, encoding and writing the eight tiles, with and
// without the flush to disk.
//   tile_saving_bench [RUNS]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_timing.h"
#include "bitmap_encoder.h"
#include "copy_canvas_region.h"
#include "framed_image.h"
#include "tile_grid.h"
#include "write_whole_file.h"

namespace {

using namespace pelorine;

bool SaveEightTiles(const RgbImage& source, const std::string& folder,
                    FlushToDisk flush) {
  bool all_written = true;
  for (const TileSlot& slot : kTileSlots) {
    RgbImage tile = MakeFilledImage(98, 98, {240, 240, 240});
    CopyCanvasRegion(source, slot.region_x(), slot.region_y(), kTileSize,
                     kTileSize, tile, 0, 0);
    const auto bytes = EncodeBitmapFile(FrameImage(tile, {0, 0, 0}));
    all_written &= WriteWholeFile(folder + slot.file_name, bytes, flush);
  }
  return all_written;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 50;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "pelorine-tile-bench";
  std::filesystem::create_directories(folder);
  const std::string prefix = folder.string() + "/";
  RgbImage source = MakeFilledImage(410, 202, {0, 0, 0});
  for (size_t i = 0; i < source.pixels.size(); ++i) {
    source.pixels[i] = static_cast<uint8_t>(i * 7);
  }
  for (const auto& [flush, name] :
       {std::pair{FlushToDisk::kNo, "without flush"},
        std::pair{FlushToDisk::kYes, "with flush   "}}) {
    const double ms = MedianMs(runs, [&] {
      if (!SaveEightTiles(source, prefix, flush)) std::exit(1);
    });
    std::printf("cut + capture + encode + write 8 tiles, %s: %7.2f ms%s\n",
                name, ms, flush == FlushToDisk::kNo ? " (goal <= 5)" : "");
  }
  std::filesystem::remove_all(folder);
  return 0;
}
