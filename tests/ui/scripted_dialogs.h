#pragma once

#include <QList>
#include <QQueue>
#include <QString>
#include <string>
#include <vector>

#include "user_dialogs.h"

namespace pelorine::test {

// Answers every dialog from queues filled by the test, one answer per call,
// and records what each call was asked. A call with no answer queued is a
// cancelled dialog.
class ScriptedDialogs : public UserDialogs {
 public:
  struct OpenCall {
    QWidget* owner;
    QString filter;
    QString start_file;
  };
  struct FolderCall {
    QWidget* owner;
    QString prompt;
  };

  // An empty path answers "cancel".
  void AnswerOpenFile(const QString& path) { open_answers_.enqueue(path); }
  void AnswerFolder(const QString& folder) { folder_answers_.enqueue(folder); }

  const QList<OpenCall>& open_calls() const { return open_calls_; }
  const QList<FolderCall>& folder_calls() const { return folder_calls_; }
  // Each warning as "title: text", printable when a comparison fails.
  const std::vector<std::string>& warnings() const { return warnings_; }

  QString OpenExistingFile(QWidget* owner, const QString& filter,
                           const QString& start_file) override {
    open_calls_.append({owner, filter, start_file});
    return open_answers_.isEmpty() ? QString() : open_answers_.dequeue();
  }
  QString ChooseFolder(QWidget* owner, const QString& prompt) override {
    folder_calls_.append({owner, prompt});
    return folder_answers_.isEmpty() ? QString() : folder_answers_.dequeue();
  }
  void Warn(const QString& title, const QString& text) override {
    warnings_.push_back((title + QStringLiteral(": ") + text).toStdString());
  }

 private:
  QQueue<QString> open_answers_;
  QQueue<QString> folder_answers_;
  QList<OpenCall> open_calls_;
  QList<FolderCall> folder_calls_;
  std::vector<std::string> warnings_;
};

}  // namespace pelorine::test
