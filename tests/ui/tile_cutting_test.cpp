#include "main_window_fixture.h"
#include "test_images.h"

namespace pelorine::test {
namespace {

// Each tile canvas and the corner of the source client area it copies.
const struct TileRegion {
  const char* canvas;
  int left;
  int top;
} kTileRegions[] = {
    {"画板2", 0, 0},     {"画板3", 104, 0},   {"画板4", 208, 0},
    {"画板5", 312, 0},   {"画板9", 0, 104},   {"画板8", 104, 104},
    {"画板7", 208, 104}, {"画板6", 312, 104},
};

class TileCuttingTest : public MainWindowTest {
 protected:
  Rgb Background() const { return Source().BackgroundColour(); }
  // Both what the tile holds and what it paints, inside its frame.
  void ExpectTile(const char* canvas, const RgbImage& expected) {
    SCOPED_TRACE(canvas);
    TileCanvas& tile = Tile(canvas);
    EXPECT_TRUE(SameImage(tile.ClientImage(), expected));
    EXPECT_TRUE(SameImage(Painted(tile), Framed(expected, tile.FrameColour())));
  }
};

TEST_F(TileCuttingTest, TilesShowTheBackgroundBeforeAnyPicture) {
  for (const TileRegion& region : kTileRegions) {
    ExpectTile(region.canvas, Filled(98, 98, Background()));
  }
  Click("标签2");
  for (const TileRegion& region : kTileRegions) {
    ExpectTile(region.canvas, Filled(98, 98, Background()));
  }
}

TEST_F(TileCuttingTest, OwnSizeTilesCopyTheirRegionsOfThePicture) {
  const RgbImage picture = Pattern(200, 100);
  LoadPicture(WritePicture(QStringLiteral("p.jpg"), picture));
  Click("标签2");
  const RgbImage shown = Pasted(Filled(410, 202, Background()), picture, 0, 0);
  for (const TileRegion& region : kTileRegions) {
    ExpectTile(region.canvas, Cropped(shown, region.left, region.top, 98, 98));
  }
  // Spelled out where the picture ends inside a tile.
  const RgbImage& second = Tile("画板3").ClientImage();
  EXPECT_EQ(second.at(0, 0), picture.at(104, 0));
  EXPECT_EQ(second.at(95, 97), picture.at(199, 97));
  EXPECT_EQ(second.at(96, 0), Background());
  EXPECT_EQ(second.at(97, 97), Background());
}

TEST_F(TileCuttingTest, ScaledTilesFollowTheShrunkPicture) {
  const Rgb flat{200, 40, 90};
  LoadPicture(
      WritePicture(QStringLiteral("big.jpg"), Filled(1000, 1000, flat)));
  Click("单选框1");
  Click("标签2");
  // Shrunk to 202 x 202 and centred: columns 104 to 305, every row.
  const struct {
    const char* canvas;
    bool filled;
  } kTiles[] = {
      {"画板3", true},  {"画板4", true},  {"画板8", true},  {"画板7", true},
      {"画板2", false}, {"画板5", false}, {"画板9", false}, {"画板6", false},
  };
  for (const auto& [canvas, filled] : kTiles) {
    ExpectTile(canvas, Filled(98, 98, filled ? flat : Background()));
  }
}

TEST_F(TileCuttingTest, TilesSurviveRepaints) {
  const RgbImage picture = Pattern(200, 100);
  LoadPicture(WritePicture(QStringLiteral("p.jpg"), picture));
  Click("标签2");
  for (const TileRegion& region : kTileRegions) Tile(region.canvas).repaint();
  window_->update();
  QTest::qWait(50);
  ExpectTile("画板2", Cropped(picture, 0, 0, 98, 98));
}

TEST_F(TileCuttingTest, ASecondCutReplacesEveryTile) {
  LoadPicture(WritePicture(QStringLiteral("p.jpg"), Pattern(200, 100)));
  Click("标签2");
  const Rgb flat{1, 2, 3};
  LoadPicture(WritePicture(QStringLiteral("q.jpg"), Filled(410, 202, flat)));
  Click("标签2");
  for (const TileRegion& region : kTileRegions) {
    ExpectTile(region.canvas, Filled(98, 98, flat));
  }
}

}  // namespace
}  // namespace pelorine::test
