#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "main_window_fixture.h"
#include "test_images.h"

namespace pelorine::test {
namespace {

std::vector<uint8_t> ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = file.readAll();
  return {data.begin(), data.end()};
}

int32_t Int32At(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<int32_t>(bytes[at] | bytes[at + 1] << 8 |
                              bytes[at + 2] << 16 |
                              static_cast<uint32_t>(bytes[at + 3]) << 24);
}

// Reads an uncompressed 24-bit bitmap file, bottom row first, rows padded
// to four bytes; an empty image when it is anything else.
RgbImage ReadBitmapFile(const QString& path) {
  const std::vector<uint8_t> bytes = ReadBytes(path);
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' ||
      bytes[28] != 24 || Int32At(bytes, 30) != 0) {
    return {};
  }
  const int width = Int32At(bytes, 18);
  const int height = Int32At(bytes, 22);
  const size_t offset = Int32At(bytes, 10);
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  if (width <= 0 || height <= 0 || bytes.size() < offset + stride * height) {
    return {};
  }
  RgbImage image = Filled(width, height, {});
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = bytes.data() + offset + stride * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      image.set(x, y, {row[3 * x + 2], row[3 * x + 1], row[3 * x]});
    }
  }
  return image;
}

// The file each tile canvas is saved to.
const struct TileFile {
  const char* canvas;
  const char* file;
} kTileFiles[] = {
    {"画板2", "1.jpg"}, {"画板3", "2.jpg"}, {"画板4", "3.jpg"},
    {"画板5", "4.jpg"}, {"画板9", "5.jpg"}, {"画板8", "6.jpg"},
    {"画板7", "7.jpg"}, {"画板6", "8.jpg"},
};

class TileSavingTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(QDir().mkdir(SaveFolder()));
    LoadPicture(WritePicture(QStringLiteral("p.jpg"), picture_));
    Click("标签2");
  }
  QString SaveFolder() const { return folder_.filePath(QStringLiteral("out")); }
  QString Saved(const char* file) const {
    return SaveFolder() + "/" + QString::fromUtf8(file);
  }
  void ChooseSaveFolder() {
    dialogs_.AnswerFolder(SaveFolder());
    Click("标签4");
  }
  void Save() { Click("标签3"); }
  RgbImage FramedTile(const char* canvas) const {
    return Framed(Tile(canvas).ClientImage(), Tile(canvas).FrameColour());
  }

  const RgbImage picture_ = Pattern(200, 100);
};

TEST_F(TileSavingTest, WithoutALocationWarnsAndWritesNothing) {
  const QString working_folder = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(SaveFolder()));
  Save();
  QDir::setCurrent(working_folder);
  EXPECT_EQ(dialogs_.warnings(),
            std::vector<std::string>{"错误: 请先设置保存图片的位置！"});
  EXPECT_TRUE(QDir(SaveFolder()).isEmpty());
}

TEST_F(TileSavingTest, WritesEveryTileFramedAsABitmap) {
  ChooseSaveFolder();
  Save();
  EXPECT_TRUE(dialogs_.warnings().empty());
  for (const auto& [canvas, file] : kTileFiles) {
    SCOPED_TRACE(file);
    const std::vector<uint8_t> bytes = ReadBytes(Saved(file));
    EXPECT_EQ(bytes.size(), 30054u);
    EXPECT_EQ(bytes, EncodeBitmapFile(FramedTile(canvas)));
  }
  // The first tile's pixels, from the picture itself.
  EXPECT_TRUE(SameImage(
      ReadBitmapFile(Saved("1.jpg")),
      Framed(Cropped(picture_, 0, 0, 98, 98), Tile("画板2").FrameColour())));
}

TEST_F(TileSavingTest, FilesFollowTheSlotOrder) {
  // Each region of the client area in its own colour.
  RgbImage regions = Filled(410, 202, {});
  for (int y = 0; y < regions.height; ++y) {
    for (int x = 0; x < regions.width; ++x) {
      regions.set(x, y,
                  {static_cast<uint8_t>(40 + 50 * (x / 104)),
                   static_cast<uint8_t>(60 + 100 * (y / 104)), 7});
    }
  }
  LoadPicture(WritePicture(QStringLiteral("regions.jpg"), regions));
  Click("标签2");
  ChooseSaveFolder();
  Save();
  for (size_t slot = 0; slot < std::size(kTileFiles); ++slot) {
    SCOPED_TRACE(kTileFiles[slot].file);
    const RgbImage saved = ReadBitmapFile(Saved(kTileFiles[slot].file));
    ASSERT_EQ(saved.width, 100);
    const int column = slot % 4;
    const int row = slot / 4;
    EXPECT_EQ(Describe(saved.at(50, 50)),
              Describe(regions.at(104 * column + 49, 104 * row + 49)));
  }
}

TEST_F(TileSavingTest, CountsTheFilesThatCannotBeWritten) {
  ChooseSaveFolder();
  ASSERT_TRUE(QDir(SaveFolder()).removeRecursively());
  Save();
  EXPECT_EQ(dialogs_.warnings(),
            std::vector<std::string>{"保存失败: 保存过程中，有8张保存失败"});
}

enum class Blocker { kReadOnlyFile, kFolder };

class BlockedTileFileTest : public TileSavingTest,
                            public testing::WithParamInterface<Blocker> {};

TEST_P(BlockedTileFileTest, LeavesItAndWritesTheOthers) {
  const QString blocked = Saved("3.jpg");
  if (GetParam() == Blocker::kFolder) {
    ASSERT_TRUE(QDir().mkdir(blocked));
  } else {
    WriteFile(QStringLiteral("out/3.jpg"), {1, 2, 3});
    ASSERT_TRUE(QFile::setPermissions(
        blocked, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    if (QFile probe(blocked);
        probe.open(QIODevice::WriteOnly | QIODevice::Append)) {
      GTEST_SKIP() << "this user may write read-only files";
    }
  }
  ChooseSaveFolder();
  Save();
  EXPECT_EQ(dialogs_.warnings(),
            std::vector<std::string>{"保存失败: 保存过程中，有1张保存失败"});
  if (GetParam() == Blocker::kFolder) {
    EXPECT_TRUE(QFileInfo(blocked).isDir());
  } else {
    EXPECT_EQ(ReadBytes(blocked), (std::vector<uint8_t>{1, 2, 3}));
  }
  for (const auto& [canvas, file] : kTileFiles) {
    if (Saved(file) == blocked) continue;
    SCOPED_TRACE(file);
    EXPECT_EQ(ReadBytes(Saved(file)), EncodeBitmapFile(FramedTile(canvas)));
  }
}

INSTANTIATE_TEST_SUITE_P(EveryBlocker, BlockedTileFileTest,
                         testing::Values(Blocker::kReadOnlyFile,
                                         Blocker::kFolder),
                         [](const testing::TestParamInfo<Blocker>& info) {
                           return info.param == Blocker::kFolder
                                      ? "Folder"
                                      : "ReadOnlyFile";
                         });

}  // namespace
}  // namespace pelorine::test
