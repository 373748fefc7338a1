#pragma once

#include <QRadioButton>
#include <utility>

namespace pelorine {

// A radio button whose arrow keys move round a ring of its group: every
// arrow selects the next or previous button (wrapping), runs its click and
// then gives it the focus. Qt's own arrow handling goes by geometry and stops
// at the ends. Tab and Shift+Tab move the focus between the ring's buttons,
// selecting nothing.
class RingRadioButton : public QRadioButton {
 public:
  RingRadioButton(const QString& name, const QString& text, QWidget* parent);

  // The whole ring in order, this button included.
  void SetRing(QList<RingRadioButton*> ring) { ring_ = std::move(ring); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  RingRadioButton* Neighbour(bool forward) const;

  QList<RingRadioButton*> ring_;
};

}  // namespace pelorine
