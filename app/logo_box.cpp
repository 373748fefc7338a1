#include "logo_box.h"

#include <QPainter>

#include "picture_qimage.h"
#include "screen_resampling.h"

namespace pelorine {

LogoBox::LogoBox(const QString& name, const DecodedPicture& logo, QSize size,
                 QWidget* parent)
    : QWidget(parent) {
  setObjectName(name);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  DecodedPicture squeezed;
  squeezed.image = Resample(logo.image, size.width(), size.height(),
                            ResamplingForScreen(screen()));
  if (!squeezed.image.empty()) squeezed_ = ToQImage(squeezed);
}

void LogoBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  painter.drawImage(QPoint(0, 0), squeezed_);
}

}  // namespace pelorine
