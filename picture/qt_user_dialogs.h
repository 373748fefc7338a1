#pragma once

#include "user_dialogs.h"

namespace pelorine {

// The real dialogs: Qt's own file dialog (the same on every desktop, and
// scriptable under a bare X server) and message boxes.
class QtUserDialogs : public UserDialogs {
 public:
  QString OpenExistingFile(QWidget* owner, const QString& filter,
                           const QString& start_file) override;
  QString ChooseFolder(QWidget* owner, const QString& prompt) override;
  void Warn(const QString& title, const QString& text) override;
};

}  // namespace pelorine
