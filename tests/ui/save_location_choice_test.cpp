#include "main_window_fixture.h"

namespace pelorine::test {
namespace {

class SaveLocationChoiceTest : public MainWindowTest {
 protected:
  void Choose(const QString& answer) {
    dialogs_.AnswerFolder(answer);
    Click("标签4");
  }
  std::string Caption() const { return window_->windowTitle().toStdString(); }
  QString Folder() const { return folder_.path(); }
};

TEST_F(SaveLocationChoiceTest, CaptionShowsTheFolderWithOneSeparator) {
  const struct {
    const char* description;
    QStringList answers;
  } kChoices[] = {
      {"plain", {Folder()}},
      {"with separator", {Folder() + "/"}},
      {"chosen twice", {Folder(), Folder()}},
      {"with separator twice", {Folder() + "/", Folder() + "/"}},
  };
  const std::string expected =
      "Pelorine - 保存位置：" + Folder().toStdString() + "/";
  for (const auto& [description, answers] : kChoices) {
    SCOPED_TRACE(description);
    for (const QString& answer : answers) Choose(answer);
    EXPECT_EQ(Caption(), expected);
    EXPECT_EQ(location_.path(), Folder().toStdString() + "/");
  }
  EXPECT_EQ(dialogs_.folder_calls().first().owner, window_.get());
}

TEST_F(SaveLocationChoiceTest, RootStaysOneSeparator) {
  Choose(QStringLiteral("/"));
  EXPECT_EQ(Caption(), "Pelorine - 保存位置：/");
}

TEST_F(SaveLocationChoiceTest, CancelKeepsLocationAndCaption) {
  Choose(QString());
  EXPECT_EQ(Caption(), "Pelorine - 保存位置：未设置");
  EXPECT_FALSE(location_.chosen());
  Choose(Folder());
  const std::string chosen_caption = Caption();
  Choose(QString());
  EXPECT_EQ(Caption(), chosen_caption);
  EXPECT_EQ(location_.path(), Folder().toStdString() + "/");
}

}  // namespace
}  // namespace pelorine::test
