#include <QApplication>
#include <QKeySequence>
#include <QRadioButton>

#include "main_window_fixture.h"

namespace pelorine::test {
namespace {

class KeyboardTest : public MainWindowTest {
 protected:
  QRadioButton& OwnSize() const { return Find<QRadioButton>("单选框2"); }
  QRadioButton& Scaled() const { return Find<QRadioButton>("单选框1"); }
  std::string Focused() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName().toStdString() : "nothing";
  }
  // The radio buttons, the source canvas's mode and the focus, all at once.
  void ExpectState(bool scaled_checked, const char* focused) {
    EXPECT_EQ(Scaled().isChecked(), scaled_checked);
    EXPECT_EQ(OwnSize().isChecked(), !scaled_checked);
    EXPECT_EQ(Source().display_mode(), scaled_checked
                                           ? DisplayMode::kScaledToFit
                                           : DisplayMode::kOwnSize);
    EXPECT_EQ(Focused(), focused);
  }
};

TEST_F(KeyboardTest, FocusStartsOnTheScaledButton) {
  ExpectState(false, "单选框1");
}

TEST_F(KeyboardTest, TabsOnlySwapTheFocusBetweenTheRadioButtons) {
  Key(Qt::Key_Tab);
  ExpectState(false, "单选框2");
  Key(Qt::Key_Tab);
  ExpectState(false, "单选框1");
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  ExpectState(false, "单选框2");
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  ExpectState(false, "单选框1");
}

TEST_F(KeyboardTest, SpaceSelectsTheFocusedButtonAndRunsItsAction) {
  Key(Qt::Key_Space);
  ExpectState(true, "单选框1");
}

class ArrowKeyTest : public KeyboardTest,
                     public testing::WithParamInterface<Qt::Key> {};

TEST_P(ArrowKeyTest, SelectsTheOtherButtonRunsItsActionAndFocusesIt) {
  Key(Qt::Key_Space);
  ExpectState(true, "单选框1");
  Key(GetParam());
  ExpectState(false, "单选框2");
  Key(GetParam());
  ExpectState(true, "单选框1");
}

INSTANTIATE_TEST_SUITE_P(
    EveryArrow, ArrowKeyTest,
    testing::Values(Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right),
    [](const testing::TestParamInfo<Qt::Key>& info) {
      return QKeySequence(info.param).toString().toStdString();
    });

TEST_F(KeyboardTest, EnterAndF1DoNothing) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F1}) {
    SCOPED_TRACE(key);
    Key(key);
    ExpectState(false, "单选框1");
    EXPECT_TRUE(window_->isVisible());
  }
  EXPECT_TRUE(dialogs_.open_calls().isEmpty());
  EXPECT_TRUE(dialogs_.folder_calls().isEmpty());
  EXPECT_TRUE(dialogs_.warnings().empty());
}

TEST_F(KeyboardTest, EscapeClosesTheWindow) {
  Key(Qt::Key_Escape);
  EXPECT_FALSE(window_->isVisible());
}

}  // namespace
}  // namespace pelorine::test
