#include "picture_selection.h"

#include <QFile>

#include "read_whole_file.h"

namespace pelorine {
namespace {

constexpr char kFilterNotice[] = "图片版权归其作者所有";

}  // namespace

PictureOpenDialog::PictureOpenDialog(const QString& name, UserDialogs& dialogs,
                                     QObject* parent)
    : QObject(parent), dialogs_(dialogs) {
  setObjectName(name);
}

QString PictureOpenDialog::Filter() {
  return QString::fromUtf8(kFilterNotice) + QStringLiteral(" (*.jpg)");
}

bool PictureOpenDialog::Run(QWidget* owner) {
  const QString chosen = dialogs_.OpenExistingFile(owner, Filter(), file_name_);
  if (chosen.isEmpty()) return false;
  file_name_ = chosen;
  return true;
}

void SelectPicture(PictureOpenDialog& dialog, SourceCanvas& canvas) {
  dialog.Run(canvas.window());
  canvas.SetBackgroundPicture(
      ReadWholeFile(QFile::encodeName(dialog.file_name()).toStdString()));
}

}  // namespace pelorine
