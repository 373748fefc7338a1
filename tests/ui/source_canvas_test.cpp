#include <QEvent>

#include "main_window_fixture.h"
#include "test_images.h"

namespace pelorine::test {
namespace {

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  int count() const { return count_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count_;
    return false;
  }

 private:
  int count_ = 0;
};

class SourceCanvasTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    LoadPicture(WritePicture(QStringLiteral("pattern.jpg"), picture_));
  }
  // The client area: the background with the picture at (left, top).
  RgbImage Expected(int left, int top) const {
    return Pasted(Filled(410, 202, Source().BackgroundColour()), picture_, left,
                  top);
  }
  // Lets queued repaints happen.
  static void Settle() { QTest::qWait(50); }

  const RgbImage picture_ = Pattern(200, 100);
};

TEST_F(SourceCanvasTest, ShowsThePictureWhereTheModePutsIt) {
  ASSERT_NE(Source().FrameColour(), Source().BackgroundColour());
  const struct {
    const char* button;
    DisplayMode mode;
    QPoint place;
  } kModes[] = {
      {"单选框1", DisplayMode::kScaledToFit, {105, 51}},
      {"单选框2", DisplayMode::kOwnSize, {0, 0}},
  };
  EXPECT_TRUE(SameImage(Source().ClientImage(), Expected(0, 0)));
  for (const auto& [button, mode, place] : kModes) {
    SCOPED_TRACE(button);
    Click(button);
    EXPECT_EQ(Source().display_mode(), mode);
    const RgbImage expected = Expected(place.x(), place.y());
    EXPECT_TRUE(SameImage(Source().ClientImage(), expected));
    EXPECT_TRUE(
        SameImage(Painted(Source()), Framed(expected, Source().FrameColour())));
  }
}

TEST_F(SourceCanvasTest, RepaintsOnlyWhenTheModeChanges) {
  Settle();
  PaintCounter paints(Source());
  Click("单选框2");  // already selected
  Settle();
  EXPECT_EQ(paints.count(), 0);
  Click("单选框1");
  Settle();
  EXPECT_GT(paints.count(), 0);
}

TEST_F(SourceCanvasTest, SwitchingModesLeavesTheTiles) {
  Click("标签2");
  const RgbImage cut = Tile("画板2").ClientImage();
  ASSERT_TRUE(SameImage(cut, Cropped(picture_, 0, 0, 98, 98)));
  Click("单选框1");
  Settle();
  EXPECT_TRUE(SameImage(Tile("画板2").ClientImage(), cut));
  EXPECT_TRUE(SameImage(Painted(Tile("画板2")),
                        Framed(cut, Tile("画板2").FrameColour())));
}

}  // namespace
}  // namespace pelorine::test
