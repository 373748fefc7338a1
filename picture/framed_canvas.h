#pragma once

#include <QWidget>

#include "rgb_image.h"

namespace pelorine {

// A canvas: a one-pixel frame line in the window-frame colour around a client
// area whose pixels the subclass supplies. Only the area Qt asks for is
// painted, every pixel of it once and without erasing first.
class FramedCanvas : public QWidget {
 public:
  FramedCanvas(const QString& name, QWidget* parent);

  // What the client area shows now.
  virtual const RgbImage& ClientImage() = 0;

  Rgb BackgroundColour() const;
  Rgb FrameColour() const;
  int ClientWidth() const { return width() - 2; }
  int ClientHeight() const { return height() - 2; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
};

}  // namespace pelorine
