#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bitmap_encoder.h"
#include "main_window.h"
#include "rgb_image.h"
#include "save_location.h"
#include "scripted_dialogs.h"
#include "source_canvas.h"
#include "tile_canvas.h"

namespace pelorine::test {

// A shown, active main window with scripted dialogs and a scratch folder, and
// a user's hand: mouse and keys go to the top-level window, as they would
// from the window system.
class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    window_ = CreateMainWindow(EmbeddedAssets(), dialogs_, location_);
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  // The control of that name and class; throws, failing the test, when
  // there is none.
  template <typename Control>
  Control& Find(const char* name) const {
    auto* control = dynamic_cast<Control*>(
        window_->findChild<QObject*>(QString::fromUtf8(name)));
    if (control == nullptr) {
      throw std::logic_error(std::string("no control ") + name +
                             " of the expected class");
    }
    return *control;
  }
  SourceCanvas& Source() const { return Find<SourceCanvas>("画板1"); }
  TileCanvas& Tile(const char* name) const { return Find<TileCanvas>(name); }

  QWindow* Handle() const { return window_->windowHandle(); }
  // The control's centre in the window's coordinates.
  QPoint CentreOf(const QWidget& control) const {
    return control.mapTo(window_.get(), control.rect().center());
  }
  void PressAt(QPoint where, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(Handle(), button, {}, where);
  }
  void ReleaseAt(QPoint where, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(Handle(), button, {}, where);
  }
  void Click(const char* name) {
    QTest::mouseClick(Handle(), Qt::LeftButton, {},
                      CentreOf(Find<QWidget>(name)));
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Handle(), key, modifiers);
  }

  // Writes the image as a bitmap file into the scratch folder.
  QString WritePicture(const QString& file_name, const RgbImage& image) {
    return WriteFile(file_name, EncodeBitmapFile(image));
  }
  QString WriteFile(const QString& file_name,
                    const std::vector<uint8_t>& bytes) {
    const QString path = folder_.filePath(file_name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<qint64>(bytes.size()));
    return path;
  }
  // Chooses the file through the picture-selection label.
  void LoadPicture(const QString& path) {
    dialogs_.AnswerOpenFile(path);
    Click("标签1");
  }

  QTemporaryDir folder_;
  ScriptedDialogs dialogs_;
  SaveLocation location_;
  std::unique_ptr<MainWindow> window_;  // last, so it goes first
};

}  // namespace pelorine::test
