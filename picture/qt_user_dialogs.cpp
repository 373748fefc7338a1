#include "qt_user_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace pelorine {

QString QtUserDialogs::OpenExistingFile(QWidget* owner, const QString& filter,
                                        const QString& start_file) {
  QFileDialog dialog(owner);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  // Both entries carry the same text; the list shows them both.
  dialog.setNameFilters({filter, filter});
  dialog.selectNameFilter(filter);
  if (!start_file.isEmpty()) dialog.selectFile(start_file);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

QString QtUserDialogs::ChooseFolder(QWidget* owner, const QString& prompt) {
  QFileDialog dialog(owner, prompt, QDir::homePath());
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  dialog.setFileMode(QFileDialog::Directory);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList folders = dialog.selectedFiles();
  return folders.isEmpty() ? QString() : folders.first();
}

void QtUserDialogs::Warn(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace pelorine
