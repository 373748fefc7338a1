#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "exit_hook.h"
#include "main_window.h"
#include "qt_user_dialogs.h"
#include "save_location.h"

namespace {

// Qt aborts when it cannot reach a display; say so plainly instead.
bool DisplayReachable() {
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayReachable()) {
    std::fprintf(stderr,
                 "pelorine: no display to show the window on (DISPLAY is not "
                 "set)\n");
    return 1;
  }
  QApplication application(argc, argv);
  QDir::setCurrent(QCoreApplication::applicationDirPath());

  pelorine::SaveLocation save_location;
  pelorine::ExitHook exit_hook([&save_location] { save_location.Release(); });
  pelorine::QtUserDialogs dialogs;

  auto window = pelorine::CreateMainWindow(pelorine::EmbeddedAssets(), dialogs,
                                           save_location);
  if (!window) {
    QMessageBox::critical(nullptr, QStringLiteral("Pelorine"),
                          QStringLiteral("启动窗口加载失败。"));
    return -1;
  }
  QApplication::exec();
  window.reset();
  exit_hook.Run();
  return 0;
}
