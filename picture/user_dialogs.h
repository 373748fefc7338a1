#pragma once

#include <QString>

class QWidget;

namespace pelorine {

// Every dialog and message box the program shows goes through here, so tests
// can answer them.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // The path of an existing file the user confirmed, or an empty text when
  // the dialog was cancelled. Opens at `start_file` when it is not empty.
  virtual QString OpenExistingFile(QWidget* owner, const QString& filter,
                                   const QString& start_file) = 0;
  // The folder the user confirmed, or an empty text when cancelled.
  virtual QString ChooseFolder(QWidget* owner, const QString& prompt) = 0;
  // A warning with one OK button, modal for the whole program.
  virtual void Warn(const QString& title, const QString& text) = 0;
};

}  // namespace pelorine
