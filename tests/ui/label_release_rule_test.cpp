#include "main_window_fixture.h"

namespace pelorine::test {
namespace {

// 标签4 asks for a folder each time its action runs, so the folder dialog
// calls count the runs.
class LabelReleaseRuleTest : public MainWindowTest {
 protected:
  int Runs() const { return dialogs_.folder_calls().size(); }
  QPoint Target() const { return CentreOf(Find<QWidget>("标签4")); }
};

TEST_F(LabelReleaseRuleTest, ReleaseOverTheLabelRunsItOnceWherever) {
  // Places with no action of their own, so only 标签4's can run.
  const struct {
    const char* description;
    QPoint press;
  } kPresses[] = {
      {"window background", QPoint(530, 300)},
      {"source canvas", CentreOf(Find<QWidget>("画板1"))},
      {"tile canvas", CentreOf(Find<QWidget>("画板3"))},
      {"other label", CentreOf(Find<QWidget>("标签2"))},
      {"banner", CentreOf(Find<QWidget>("标签5"))},
      {"the label itself", Target()},
  };
  int expected_runs = 0;
  for (const auto& [description, press] : kPresses) {
    SCOPED_TRACE(description);
    PressAt(press);
    ReleaseAt(Target());
    EXPECT_EQ(Runs(), ++expected_runs);
  }
  EXPECT_EQ(dialogs_.folder_calls().first().owner, window_.get());
}

TEST_F(LabelReleaseRuleTest, ReleaseElsewhereRunsNothing) {
  const QPoint kElsewhere[] = {QPoint(530, 300),
                               CentreOf(Find<QWidget>("画板1")),
                               CentreOf(Find<QWidget>("图片框1"))};
  for (const QPoint& release : kElsewhere) {
    PressAt(Target());
    ReleaseAt(release);
  }
  EXPECT_EQ(Runs(), 0);
}

TEST_F(LabelReleaseRuleTest, PressOnARadioButtonKeepsTheRelease) {
  PressAt(CentreOf(Find<QWidget>("单选框1")));
  ReleaseAt(Target());
  EXPECT_EQ(Runs(), 0);
  // The press it kept does not carry over to the next click.
  PressAt(Target());
  ReleaseAt(Target());
  EXPECT_EQ(Runs(), 1);
}

TEST_F(LabelReleaseRuleTest, DoubleClickRunsTwice) {
  QTest::mouseDClick(Handle(), Qt::LeftButton, {}, Target());
  EXPECT_EQ(Runs(), 2);
}

TEST_F(LabelReleaseRuleTest, OtherButtonsRunNothing) {
  for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    SCOPED_TRACE(button);
    PressAt(Target(), button);
    ReleaseAt(Target(), button);
  }
  EXPECT_EQ(Runs(), 0);
}

}  // namespace
}  // namespace pelorine::test
