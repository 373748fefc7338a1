#include <QFile>
#include <QRegularExpression>

#include "main_window_fixture.h"
#include "test_images.h"

namespace pelorine::test {
namespace {

class PictureSelectionTest : public MainWindowTest {
 protected:
  RgbImage Showing(const RgbImage& picture) const {
    return Pasted(Background(), picture, 0, 0);
  }
  RgbImage Background() const {
    return Filled(410, 202, Source().BackgroundColour());
  }
  void Cancel() { LoadPicture(QString()); }

  const RgbImage first_ = Pattern(200, 100);
  const RgbImage second_ = Filled(120, 80, {10, 200, 30});
};

TEST_F(PictureSelectionTest, ConfirmedFileIsShown) {
  LoadPicture(WritePicture(QStringLiteral("a.jpg"), first_));
  EXPECT_TRUE(SameImage(Source().ClientImage(), Showing(first_)));
  ASSERT_EQ(dialogs_.open_calls().size(), 1);
  const auto& call = dialogs_.open_calls().first();
  EXPECT_EQ(call.owner, window_.get());
  EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^[^()|]+ \(\*\.jpg\)$)"))
                  .match(call.filter)
                  .hasMatch())
      << call.filter.toStdString();
}

TEST_F(PictureSelectionTest, CancelOnFirstUseShowsNoPicture) {
  Cancel();
  ASSERT_EQ(dialogs_.open_calls().size(), 1);
  EXPECT_TRUE(dialogs_.open_calls().first().start_file.isEmpty());
  EXPECT_TRUE(SameImage(Source().ClientImage(), Background()));
  EXPECT_TRUE(SameImage(Painted(Source()),
                        Framed(Background(), Source().FrameColour())));
}

TEST_F(PictureSelectionTest, LaterOpeningsStartAtTheChosenFile) {
  const QString chosen = WritePicture(QStringLiteral("a.jpg"), first_);
  LoadPicture(chosen);
  Cancel();
  Cancel();
  ASSERT_EQ(dialogs_.open_calls().size(), 3);
  EXPECT_EQ(dialogs_.open_calls()[1].start_file, chosen);
  EXPECT_EQ(dialogs_.open_calls()[2].start_file, chosen);
}

TEST_F(PictureSelectionTest, CancelReadsTheChosenFileAgain) {
  enum class Change { kNone, kRewritten, kDeleted };
  const struct {
    const char* description;
    Change change;
  } kCases[] = {
      {"unchanged", Change::kNone},
      {"rewritten", Change::kRewritten},
      {"deleted", Change::kDeleted},
  };
  for (const auto& [description, change] : kCases) {
    SCOPED_TRACE(description);
    const QString path = WritePicture(QStringLiteral("a.jpg"), first_);
    LoadPicture(path);
    ASSERT_TRUE(SameImage(Source().ClientImage(), Showing(first_)));
    RgbImage expected = Showing(first_);
    if (change == Change::kRewritten) {
      WritePicture(QStringLiteral("a.jpg"), second_);
      expected = Showing(second_);
    } else if (change == Change::kDeleted) {
      ASSERT_TRUE(QFile::remove(path));
      expected = Background();
    }
    Cancel();
    EXPECT_TRUE(SameImage(Source().ClientImage(), expected));
    EXPECT_TRUE(
        SameImage(Painted(Source()), Framed(expected, Source().FrameColour())));
  }
}

TEST_F(PictureSelectionTest, FileContentsNotItsNameDecide) {
  const std::string text = "not a picture\n";
  const struct {
    const char* file_name;
    std::vector<uint8_t> bytes;
    bool shown;
  } kFiles[] = {
      {"notes.txt", {text.begin(), text.end()}, false},
      {"empty.jpg", {}, false},
      {"bitmap.jpg", EncodeBitmapFile(first_), true},
      {"bitmap.bmp", EncodeBitmapFile(first_), true},
  };
  for (const auto& [file_name, bytes, shown] : kFiles) {
    SCOPED_TRACE(file_name);
    LoadPicture(WriteFile(QString::fromUtf8(file_name), bytes));
    EXPECT_TRUE(SameImage(Source().ClientImage(),
                          shown ? Showing(first_) : Background()));
  }
}

}  // namespace
}  // namespace pelorine::test
