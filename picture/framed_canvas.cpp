#include "framed_canvas.h"

#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace pelorine {
namespace {

Rgb ToRgb(const QColor& colour) {
  return {static_cast<uint8_t>(colour.red()),
          static_cast<uint8_t>(colour.green()),
          static_cast<uint8_t>(colour.blue())};
}

}  // namespace

FramedCanvas::FramedCanvas(const QString& name, QWidget* parent)
    : QWidget(parent) {
  setObjectName(name);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

Rgb FramedCanvas::BackgroundColour() const {
  return ToRgb(palette().color(QPalette::Button));
}

Rgb FramedCanvas::FrameColour() const {
  return ToRgb(palette().color(QPalette::WindowText));
}

void FramedCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect client(1, 1, ClientWidth(), ClientHeight());
  const QRegion frame = QRegion(rect()) - QRegion(client);
  const Rgb frame_colour = FrameColour();
  for (const QRect& part : frame.intersected(event->region())) {
    painter.fillRect(part, QColor(frame_colour.red, frame_colour.green,
                                  frame_colour.blue));
  }
  const QRect area = client.intersected(event->rect());
  if (area.isEmpty()) return;
  const RgbImage& pixels = ClientImage();
  if (pixels.width != client.width() || pixels.height != client.height()) {
    const Rgb back = BackgroundColour();
    painter.fillRect(area, QColor(back.red, back.green, back.blue));
    return;
  }
  const QImage image(pixels.pixels.data(), pixels.width, pixels.height,
                     static_cast<qsizetype>(pixels.stride()),
                     QImage::Format_RGB888);
  painter.drawImage(area, image, area.translated(-1, -1));
}

void FramedCanvas::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) update();
  QWidget::changeEvent(event);
}

}  // namespace pelorine
