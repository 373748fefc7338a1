#pragma once

#include <QColor>
#include <QLabel>
#include <QObject>
#include <QString>
#include <QTimer>

namespace pelorine {

// Swaps the banner label between two credit lines, each in its own colour,
// on every tick of its timer.
class CreditBanner : public QObject {
 public:
  static constexpr int kPeriodMs = 600;
  static QString TextA();
  static QString TextB();
  static QColor ColourA() { return QColor(0, 0, 255); }
  static QColor ColourB() { return QColor(255, 0, 0); }

  // Shows the first line on `label` and starts the timer `timer_name`.
  CreditBanner(QLabel& label, const QString& timer_name, QObject* parent);

  void ToggleBanner();
  const QTimer& timer() const { return timer_; }

 private:
  QLabel& label_;
  QTimer timer_;
};

// The colour a label draws its text in.
void SetTextColour(QLabel& label, const QColor& colour);

}  // namespace pelorine
