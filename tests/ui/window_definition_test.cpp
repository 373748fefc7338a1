#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <cstdlib>

#include "credit_banner.h"
#include "logo_box.h"
#include "main_window_fixture.h"
#include "picture_selection.h"
#include "test_images.h"

namespace pelorine::test {
namespace {

enum class Kind {
  kLabel,
  kGroupBox,
  kRadioButton,
  kPictureBox,
  kSourceCanvas,
  kTileCanvas,
  kTimer,
  kOpenDialog,
};

bool IsOfKind(QObject* control, Kind kind) {
  switch (kind) {
    case Kind::kLabel:
      return qobject_cast<QLabel*>(control) != nullptr;
    case Kind::kGroupBox:
      return qobject_cast<QGroupBox*>(control) != nullptr;
    case Kind::kRadioButton:
      return qobject_cast<QRadioButton*>(control) != nullptr;
    case Kind::kPictureBox:
      return dynamic_cast<LogoBox*>(control) != nullptr;
    case Kind::kSourceCanvas:
      return dynamic_cast<SourceCanvas*>(control) != nullptr;
    case Kind::kTileCanvas:
      return dynamic_cast<TileCanvas*>(control) != nullptr;
    case Kind::kTimer:
      return qobject_cast<QTimer*>(control) != nullptr;
    case Kind::kOpenDialog:
      return dynamic_cast<PictureOpenDialog*>(control) != nullptr;
  }
  return false;
}

QString TextOf(QObject* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* box = qobject_cast<QGroupBox*>(control)) return box->title();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    return button->text();
  }
  return {};
}

struct ExpectedControl {
  const char* name;
  Kind kind;
  const char* parent;  // nullptr: not a widget
  QRect place;         // relative to the parent
  const char* text;    // nullptr: the banner's first line
};

constexpr char kWindow[] = "MainWindow";

int Distance(Rgb a, Rgb b) {
  return std::abs(a.red - b.red) + std::abs(a.green - b.green) +
         std::abs(a.blue - b.blue);
}

Rgb ToRgb(const QColor& colour) {
  return {static_cast<uint8_t>(colour.red()),
          static_cast<uint8_t>(colour.green()),
          static_cast<uint8_t>(colour.blue())};
}

const ExpectedControl kExpectedControls[] = {
    {"图片框1", Kind::kPictureBox, kWindow, {424, 248, 104, 48}, ""},
    {"标签4", Kind::kLabel, "分组框2", {24, 95, 48, 24}, "保存位置"},
    {"标签3", Kind::kLabel, "分组框2", {24, 71, 48, 24}, "保存图片"},
    {"标签2", Kind::kLabel, "分组框2", {24, 48, 48, 24}, "裁剪图片"},
    {"标签1", Kind::kLabel, "分组框2", {24, 24, 48, 24}, "选择图片"},
    {"分组框2", Kind::kGroupBox, kWindow, {424, 104, 104, 136}, "图片操作："},
    {"标签5", Kind::kLabel, kWindow, {432, 392, 96, 16}, nullptr},
    {"时钟1", Kind::kTimer, nullptr, {}, ""},
    {"单选框2", Kind::kRadioButton, "分组框1", {16, 16, 80, 32}, "原始比例"},
    {"单选框1", Kind::kRadioButton, "分组框1", {16, 40, 80, 32}, "缩放图片"},
    {"分组框1", Kind::kGroupBox, kWindow, {424, 8, 104, 80}, "显示方式："},
    {"通用对话框1", Kind::kOpenDialog, nullptr, {}, ""},
    {"画板6", Kind::kTileCanvas, kWindow, {316, 316, 100, 100}, ""},
    {"画板7", Kind::kTileCanvas, kWindow, {212, 316, 100, 100}, ""},
    {"画板8", Kind::kTileCanvas, kWindow, {108, 316, 100, 100}, ""},
    {"画板9", Kind::kTileCanvas, kWindow, {4, 316, 100, 100}, ""},
    {"画板5", Kind::kTileCanvas, kWindow, {316, 212, 100, 100}, ""},
    {"画板4", Kind::kTileCanvas, kWindow, {212, 212, 100, 100}, ""},
    {"画板3", Kind::kTileCanvas, kWindow, {108, 212, 100, 100}, ""},
    {"画板2", Kind::kTileCanvas, kWindow, {4, 212, 100, 100}, ""},
    {"画板1", Kind::kSourceCanvas, kWindow, {4, 4, 412, 204}, ""},
};

using WindowDefinitionTest = MainWindowTest;

TEST_F(WindowDefinitionTest, EveryControlHasItsClassParentPlaceAndText) {
  for (const ExpectedControl& expected : kExpectedControls) {
    SCOPED_TRACE(expected.name);
    QObject* control =
        window_->findChild<QObject*>(QString::fromUtf8(expected.name));
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(IsOfKind(control, expected.kind));
    const QString text = expected.text != nullptr
                             ? QString::fromUtf8(expected.text)
                             : CreditBanner::TextA();
    EXPECT_EQ(TextOf(control).toStdString(), text.toStdString());
    auto* widget = qobject_cast<QWidget*>(control);
    if (expected.parent == nullptr) {
      EXPECT_EQ(widget, nullptr);
      continue;
    }
    ASSERT_NE(widget, nullptr);
    ASSERT_NE(widget->parentWidget(), nullptr);
    EXPECT_EQ(widget->parentWidget()->objectName().toStdString(),
              expected.parent);
    EXPECT_EQ(widget->geometry(), expected.place);
    EXPECT_TRUE(widget->isVisible());
  }
  // Nothing beyond the definition, bar the window's own furniture.
  size_t named = 0;
  for (const QObject* child : window_->findChildren<QObject*>()) {
    const QString name = child->objectName();
    if (!name.isEmpty() && !name.startsWith(QStringLiteral("qt_"))) ++named;
  }
  EXPECT_EQ(named, std::size(kExpectedControls));
}

TEST_F(WindowDefinitionTest, LabelsDrawTheirTextInTheirColour) {
  const struct {
    const char* name;
    QColor colour;
  } kColours[] = {
      {"标签1", QColor(255, 0, 0)},   {"标签2", QColor(0, 0, 255)},
      {"标签3", QColor(255, 128, 0)}, {"标签4", QColor(128, 0, 0)},
      {"标签5", QColor(0, 0, 255)},
  };
  for (const auto& [name, colour] : kColours) {
    SCOPED_TRACE(name);
    auto& label = Find<QLabel>(name);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), colour);
    // Antialiased strokes rarely cover a whole pixel; the inkiest pixel,
    // the one furthest from the fill, must be close to the text colour.
    const RgbImage painted = Painted(label);
    const Rgb fill = painted.at(0, 0);
    Rgb inkiest = fill;
    int furthest = 0;
    for (int y = 0; y < painted.height; ++y) {
      for (int x = 0; x < painted.width; ++x) {
        const int distance = Distance(painted.at(x, y), fill);
        if (distance > furthest) {
          furthest = distance;
          inkiest = painted.at(x, y);
        }
      }
    }
    EXPECT_LE(Distance(inkiest, ToRgb(colour)), 3 * 16)
        << "inkiest pixel " << Describe(inkiest);
  }
}

TEST_F(WindowDefinitionTest, OnlyTheActionLabelsShowAHand) {
  const struct {
    const char* name;
    Qt::CursorShape shape;
  } kCursors[] = {
      {"标签1", Qt::PointingHandCursor}, {"标签2", Qt::PointingHandCursor},
      {"标签3", Qt::PointingHandCursor}, {"标签4", Qt::PointingHandCursor},
      {"标签5", Qt::ArrowCursor},        {"图片框1", Qt::ArrowCursor},
      {"画板1", Qt::ArrowCursor},        {"画板2", Qt::ArrowCursor},
      {"画板6", Qt::ArrowCursor},
  };
  for (const auto& [name, shape] : kCursors) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Find<QWidget>(name).cursor().shape(), shape);
  }
}

TEST_F(WindowDefinitionTest, TextsAreTwelvePixelsHighAndFitTheirLabels) {
  const struct {
    const char* label;
    QString text;
  } kTexts[] = {
      {"标签1", QStringLiteral("选择图片")},
      {"标签2", QStringLiteral("裁剪图片")},
      {"标签3", QStringLiteral("保存图片")},
      {"标签4", QStringLiteral("保存位置")},
      {"标签5", CreditBanner::TextA()},
      {"标签5", CreditBanner::TextB()},
  };
  for (const auto& [name, text] : kTexts) {
    SCOPED_TRACE(text.toStdString());
    const auto& label = Find<QLabel>(name);
    EXPECT_EQ(label.font().pixelSize(), 12);
    EXPECT_LE(QFontMetrics(label.font()).horizontalAdvance(text),
              label.width());
  }
  EXPECT_FALSE(CreditBanner::TextA().isEmpty());
  EXPECT_NE(CreditBanner::TextA(), CreditBanner::TextB());
}

TEST_F(WindowDefinitionTest, WindowHasFixedSizeCaptionCloseButtonAndIcon) {
  EXPECT_EQ(window_->objectName(), kWindow);
  EXPECT_EQ(window_->windowTitle().toStdString(),
            "Pelorine - 保存位置：未设置");
  EXPECT_EQ(window_->size(), QSize(539, 420));
  EXPECT_EQ(window_->minimumSize(), QSize(539, 420));
  EXPECT_EQ(window_->maximumSize(), QSize(539, 420));
  const Qt::WindowFlags flags = window_->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(window_->windowIcon().isNull());
  EXPECT_GT(window_->windowIcon().availableSizes().size(), 1);
}

TEST_F(WindowDefinitionTest, StartsAtOwnSizeWithOnlyTheRadioButtonsFocusable) {
  EXPECT_TRUE(Find<QRadioButton>("单选框2").isChecked());
  EXPECT_FALSE(Find<QRadioButton>("单选框1").isChecked());
  EXPECT_EQ(Source().display_mode(), DisplayMode::kOwnSize);
  for (QWidget* widget : window_->findChildren<QWidget*>()) {
    SCOPED_TRACE(widget->objectName().toStdString());
    // Both radio buttons are Tab stops, the unchecked one too.
    EXPECT_EQ(widget->focusPolicy(),
              qobject_cast<QRadioButton*>(widget) != nullptr ? Qt::StrongFocus
                                                             : Qt::NoFocus);
  }
  EXPECT_EQ(window_->focusPolicy(), Qt::NoFocus);
}

}  // namespace
}  // namespace pelorine::test
