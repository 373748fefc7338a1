#pragma once

#include <QImage>
#include <QWidget>

#include "decoded_picture.h"

namespace pelorine {

// The picture box: the logo squeezed over its whole area, aspect ratio
// ignored.
class LogoBox : public QWidget {
 public:
  LogoBox(const QString& name, const DecodedPicture& logo, QSize size,
          QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage squeezed_;
};

}  // namespace pelorine
