#include "credit_banner.h"

#include <QLabel>
#include <QTimer>

#include "main_window_fixture.h"

namespace pelorine::test {
namespace {

class CreditBannerTest : public MainWindowTest {
 protected:
  QLabel& Banner() const { return Find<QLabel>("标签5"); }
  QTimer& Timer() const { return Find<QTimer>("时钟1"); }
  // The banner behind the timer; ticks are stopped so that only the test
  // toggles it.
  CreditBanner& StoppedBanner() const {
    Timer().stop();
    auto* banner = dynamic_cast<CreditBanner*>(Timer().parent());
    if (banner == nullptr) throw std::logic_error("时钟1 drives no banner");
    return *banner;
  }
  void ExpectShows(const QString& text, const QColor& colour) {
    EXPECT_EQ(Banner().text().toStdString(), text.toStdString());
    EXPECT_EQ(Banner().palette().color(QPalette::WindowText), colour);
  }
};

TEST_F(CreditBannerTest, TogglesBetweenTheTwoLinesAndTheirColours) {
  CreditBanner& banner = StoppedBanner();
  ExpectShows(CreditBanner::TextA(), QColor(0, 0, 255));
  banner.ToggleBanner();
  ExpectShows(CreditBanner::TextB(), QColor(255, 0, 0));
  banner.ToggleBanner();
  ExpectShows(CreditBanner::TextA(), QColor(0, 0, 255));
}

TEST_F(CreditBannerTest, LeavesAnyOtherTextAsItIs) {
  CreditBanner& banner = StoppedBanner();
  const QString other = CreditBanner::TextB() + QStringLiteral(" ");
  Banner().setText(other);
  banner.ToggleBanner();
  ExpectShows(other, QColor(0, 0, 255));
}

TEST_F(CreditBannerTest, TicksEverySixHundredMilliseconds) {
  EXPECT_TRUE(Timer().isActive());
  EXPECT_EQ(Timer().interval(), 600);
  // Restarted, so the window's start-up time does not count.
  Timer().start();
  ExpectShows(CreditBanner::TextA(), QColor(0, 0, 255));
  QTest::qWait(650);
  ExpectShows(CreditBanner::TextB(), QColor(255, 0, 0));
}

}  // namespace
}  // namespace pelorine::test
