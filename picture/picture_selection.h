#pragma once

#include <QObject>
#include <QString>

#include "source_canvas.h"
#include "user_dialogs.h"

namespace pelorine {

// The open-file dialog component: it remembers the last confirmed file, so
// every later opening starts there.
class PictureOpenDialog : public QObject {
 public:
  PictureOpenDialog(const QString& name, UserDialogs& dialogs,
                    QObject* parent);

  // Shows the dialog; true when the user confirmed a file, which then
  // becomes the file name.
  bool Run(QWidget* owner);
  const QString& file_name() const { return file_name_; }

  static QString Filter();

 private:
  UserDialogs& dialogs_;
  QString file_name_;
};

// Asks for a picture file and gives its bytes to the canvas. A cancelled
// dialog reloads the file chosen last (or clears the canvas on first use), so
// a file changed on disk shows its new contents.
void SelectPicture(PictureOpenDialog& dialog, SourceCanvas& canvas);

}  // namespace pelorine
