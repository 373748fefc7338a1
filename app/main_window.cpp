#include "main_window.h"

#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "credit_banner.h"
#include "icon_decoder.h"
#include "jpeg_decoder.h"
#include "label_release_rule.h"
#include "logo_box.h"
#include "picture_qimage.h"
#include "picture_selection.h"
#include "plain_label.h"
#include "ring_radio_button.h"
#include "save_location_choice.h"
#include "source_canvas.h"
#include "tile_canvases.h"
#include "tile_cutting.h"
#include "tile_saving.h"
#include "window_definition.h"

namespace pelorine {
namespace {

Bytes AsBytes(const QByteArray& data) {
  return {reinterpret_cast<const uint8_t*>(data.constData()),
          static_cast<size_t>(data.size())};
}

QByteArray ReadResource(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QIcon MakeWindowIcon(const QByteArray& icon_file) {
  QIcon icon;
  for (const DecodedPicture& entry :
       DecodeAllIconEntries(AsBytes(icon_file), DecodeLimits{})) {
    icon.addPixmap(QPixmap::fromImage(ToQImage(entry)));
  }
  return icon;
}

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

WindowAssets EmbeddedAssets() {
  return {ReadResource(QStringLiteral(":/assets/pelorine.ico")),
          ReadResource(QStringLiteral(":/assets/logo.jpg"))};
}

MainWindow::MainWindow(const DecodedPicture& logo, const QIcon& icon,
                       UserDialogs& dialogs, SaveLocation& location)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      location_(location) {
  setObjectName(Text(kWindowName));
  setFixedSize(kClientWidth, kClientHeight);
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  setAutoFillBackground(true);
  QFont font(QStringLiteral("WenQuanYi Micro Hei"));
  font.setPixelSize(12);
  setFont(font);
  setWindowTitle(UnsetLocationCaption());
  setWindowIcon(icon);
  CreateControls(logo);
  BindActions();
  // Esc closes from wherever the focus is.
  auto* close_on_escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close_on_escape, &QShortcut::activated, this, &QWidget::close);
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateControls(const DecodedPicture& logo) {
  const auto controls = WindowControls();
  // Containers first, so every control can be placed inside its parent.
  for (const ControlDefinition& control : controls) {
    if (control.kind != ControlKind::kGroupBox) continue;
    auto* box = new QGroupBox(Text(control.text), this);
    box->setObjectName(Text(control.name));
    box->setGeometry(control.left, control.top, control.width, control.height);
  }
  release_rule_ = new LabelReleaseRule(*this);
  QList<RingRadioButton*> ring;
  QWidget* focus_at_start = nullptr;
  for (const ControlDefinition& control : controls) {
    QWidget* parent =
        control.parent != nullptr
            ? findChild<QWidget*>(Text(control.parent))
            : this;
    const QString name = Text(control.name);
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::kGroupBox:
        continue;
      case ControlKind::kPictureBox:
        widget = new LogoBox(name, logo,
                             QSize(control.width, control.height), parent);
        break;
      case ControlKind::kLabel: {
        auto* label = new PlainLabel(name, Text(control.text), parent);
        SetTextColour(*label, QColor::fromRgb(control.text_colour));
        widget = label;
        break;
      }
      case ControlKind::kTimer:
        banner_ = new CreditBanner(*findChild<QLabel*>(QStringLiteral("标签5")),
                                   name, this);
        continue;
      case ControlKind::kRadioButton: {
        auto* button = new RingRadioButton(name, Text(control.text), parent);
        ring.prepend(button);  // the ring runs in reverse definition order
        focus_at_start = button;
        widget = button;
        break;
      }
      case ControlKind::kOpenFileDialog:
        open_dialog_ = new PictureOpenDialog(name, dialogs_, this);
        continue;
      case ControlKind::kTileCanvas:
        widget = new TileCanvas(name, parent);
        break;
      case ControlKind::kSourceCanvas:
        widget = source_ = new SourceCanvas(name, parent);
        break;
    }
    widget->setGeometry(control.left, control.top, control.width,
                        control.height);
  }
  for (RingRadioButton* button : ring) button->SetRing(ring);
  // Own size at start, matching the source canvas.
  findChild<QRadioButton*>(QStringLiteral("单选框2"))->setChecked(true);
  // Takes effect when the window first becomes active.
  if (focus_at_start != nullptr) focus_at_start->setFocus();
}

void MainWindow::BindActions() {
  const TileCanvases tiles = FindTileCanvases(*this);
  auto label = [this](const char* name) {
    return findChild<QWidget*>(Text(name));
  };
  release_rule_->Bind(label("标签1"),
                      [this] { SelectPicture(*open_dialog_, *source_); });
  release_rule_->Bind(label("标签2"), [this, tiles] { CutTiles(*source_, tiles); });
  release_rule_->Bind(label("标签3"), [this, tiles] {
    SaveTiles(dialogs_, location_, tiles);
  });
  release_rule_->Bind(label("标签4"), [this] {
    ChooseSaveLocation(dialogs_, location_, *this);
  });
  for (const char* name : {"标签1", "标签2", "标签3", "标签4"}) {
    label(name)->setCursor(Qt::PointingHandCursor);
  }
  connect(findChild<QRadioButton*>(QStringLiteral("单选框2")),
          &QAbstractButton::clicked, this, [this] { ShowOriginalScale(*source_); });
  connect(findChild<QRadioButton*>(QStringLiteral("单选框1")),
          &QAbstractButton::clicked, this, [this] { ShowScaled(*source_); });
}

void MainWindow::CentreOnPrimaryScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // The whole screen, not the work area; the frame counts.
  const QSize screen_size = screen->geometry().size();
  centred_for_ = frameGeometry().size();
  move((screen_size.width() - centred_for_.width()) / 2,
       (screen_size.height() - centred_for_.height()) / 2);
}

void MainWindow::ShowCentred() {
  CentreOnPrimaryScreen();
  show();
  activateWindow();
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  release_rule_->Watch(windowHandle());
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  // The window manager adds its frame after the window is shown; centre the
  // framed window again once its size is known.
  if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
      isVisible() && frameGeometry().size() != centred_for_) {
    CentreOnPrimaryScreen();
  }
  return handled;
}

std::unique_ptr<MainWindow> CreateMainWindow(const WindowAssets& assets,
                                             UserDialogs& dialogs,
                                             SaveLocation& location) {
  const auto logo = DecodeJpeg(AsBytes(assets.logo), DecodeLimits{});
  const QIcon icon = MakeWindowIcon(assets.icon);
  if (!logo || icon.isNull()) return nullptr;
  auto window = std::make_unique<MainWindow>(*logo, icon, dialogs, location);
  window->ShowCentred();
  return window;
}

}  // namespace pelorine
