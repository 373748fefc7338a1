#include "ring_radio_button.h"

#include <QKeyEvent>

namespace pelorine {

RingRadioButton::RingRadioButton(const QString& name, const QString& text,
                                 QWidget* parent)
    : QRadioButton(text, parent) {
  setObjectName(name);
  setFocusPolicy(Qt::StrongFocus);
}

RingRadioButton* RingRadioButton::Neighbour(bool forward) const {
  const qsizetype at = ring_.indexOf(const_cast<RingRadioButton*>(this));
  if (at < 0 || ring_.size() < 2) return nullptr;
  const qsizetype step = forward ? 1 : ring_.size() - 1;
  return ring_[(at + step) % ring_.size()];
}

void RingRadioButton::keyPressEvent(QKeyEvent* event) {
  bool forward = false;
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
      forward = true;
      break;
    case Qt::Key_Left:
    case Qt::Key_Up:
      break;
    default:
      QRadioButton::keyPressEvent(event);
      return;
  }
  event->accept();
  if (RingRadioButton* next = Neighbour(forward)) {
    next->click();
    next->setFocus(Qt::TabFocusReason);
  }
}

void RingRadioButton::focusInEvent(QFocusEvent* event) {
  QRadioButton::focusInEvent(event);
  // Qt takes Tab focus away from the other buttons of an exclusive group
  // whenever one of them gets the focus, so that Tab leaves the group; here
  // every button of the ring stays a Tab stop.
  for (RingRadioButton* button : ring_) button->setFocusPolicy(Qt::StrongFocus);
}

}  // namespace pelorine
