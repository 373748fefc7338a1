#include "plain_label.h"

#include <QPainter>

namespace pelorine {

PlainLabel::PlainLabel(const QString& name, const QString& text,
                       QWidget* parent)
    : QLabel(text, parent) {
  setObjectName(name);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlainLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  painter.setClipRect(rect());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setFont(font());
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   text());
}

}  // namespace pelorine
