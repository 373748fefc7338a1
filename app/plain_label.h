#pragma once

#include <QLabel>

namespace pelorine {

// A label drawn the same way on every style: button-face fill, one line of
// text left-aligned and vertically centred in the palette's text colour,
// cut off at the label's edges.
class PlainLabel : public QLabel {
 public:
  PlainLabel(const QString& name, const QString& text, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pelorine
