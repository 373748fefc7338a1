#include "credit_banner.h"

namespace pelorine {

QString CreditBanner::TextA() { return QStringLiteral("向每一幅画致敬"); }
QString CreditBanner::TextB() { return QStringLiteral("Pelorine 出品"); }

CreditBanner::CreditBanner(QLabel& label, const QString& timer_name,
                           QObject* parent)
    : QObject(parent), label_(label), timer_(this) {
  label_.setText(TextA());
  SetTextColour(label_, ColourA());
  timer_.setObjectName(timer_name);
  timer_.setInterval(kPeriodMs);
  connect(&timer_, &QTimer::timeout, this, &CreditBanner::ToggleBanner);
  timer_.start();
}

void CreditBanner::ToggleBanner() {
  // Text before colour; both only schedule a repaint, so the label never
  // shows one line in the other's colour. A text that is neither stays.
  if (label_.text() == TextA()) {
    label_.setText(TextB());
    SetTextColour(label_, ColourB());
  } else if (label_.text() == TextB()) {
    label_.setText(TextA());
    SetTextColour(label_, ColourA());
  }
}

void SetTextColour(QLabel& label, const QColor& colour) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
}

}  // namespace pelorine
