#include "save_location_choice.h"

#include <QFile>

namespace pelorine {
namespace {

QString LocationCaption(const QString& location) {
  return QStringLiteral("Pelorine - 保存位置：") + location;
}

}  // namespace

QString UnsetLocationCaption() {
  return LocationCaption(QStringLiteral("未设置"));
}

void ChooseSaveLocation(UserDialogs& dialogs, SaveLocation& location,
                        QWidget& window) {
  const QString folder =
      dialogs.ChooseFolder(&window, QStringLiteral("保存图片"));
  if (folder.isEmpty()) return;
  location.Choose(QFile::encodeName(folder).toStdString());
  window.setWindowTitle(
      LocationCaption(QFile::decodeName(QByteArray::fromStdString(
          location.path()))));
}

}  // namespace pelorine
