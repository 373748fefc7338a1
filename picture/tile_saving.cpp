#include "tile_saving.h"

#include "bitmap_encoder.h"
#include "canvas_capture.h"
#include "tile_grid.h"
#include "write_whole_file.h"

namespace pelorine {

void SaveTiles(UserDialogs& dialogs, const SaveLocation& location,
               const TileCanvases& tiles) {
  if (!location.chosen()) {
    dialogs.Warn(QStringLiteral("错误"),
                 QStringLiteral("请先设置保存图片的位置！"));
    return;
  }
  int failures = 0;
  for (size_t i = 0; i < kTileSlots.size(); ++i) {
    const std::vector<uint8_t> bytes =
        tiles[i] != nullptr ? EncodeBitmapFile(CaptureCanvasImage(*tiles[i]))
                            : std::vector<uint8_t>();
    // A capture that failed is a failed tile, not an empty file.
    if (bytes.empty() ||
        !WriteWholeFile(location.PathOf(kTileSlots[i].file_name), bytes)) {
      ++failures;
    }
  }
  if (failures != 0) {
    dialogs.Warn(QStringLiteral("保存失败"),
                 QStringLiteral("保存过程中，有%1张保存失败").arg(failures));
  }
}

}  // namespace pelorine
