#pragma once

#include <QByteArray>
#include <QIcon>
#include <QWidget>
#include <memory>

#include "decoded_picture.h"
#include "save_location.h"
#include "user_dialogs.h"

namespace pelorine {

class CreditBanner;
class LabelReleaseRule;
class PictureOpenDialog;
class SourceCanvas;

// The picture files the window carries.
struct WindowAssets {
  QByteArray icon;  // an icon file
  QByteArray logo;  // a JPEG file
};

// The carried assets, built into the program.
WindowAssets EmbeddedAssets();

// The program's only window: its controls from the window definition and
// their actions.
class MainWindow : public QWidget {
 public:
  MainWindow(const DecodedPicture& logo, const QIcon& icon,
             UserDialogs& dialogs, SaveLocation& location);
  ~MainWindow() override;

  // Shows the window centred, frame included, on the whole primary screen.
  void ShowCentred();

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void CreateControls(const DecodedPicture& logo);
  void BindActions();
  void CentreOnPrimaryScreen();

  UserDialogs& dialogs_;
  SaveLocation& location_;
  LabelReleaseRule* release_rule_ = nullptr;
  SourceCanvas* source_ = nullptr;
  PictureOpenDialog* open_dialog_ = nullptr;
  CreditBanner* banner_ = nullptr;
  QSize centred_for_;
};

// Builds and shows the main window, centred and active; nothing when its
// assets cannot be decoded.
std::unique_ptr<MainWindow> CreateMainWindow(const WindowAssets& assets,
                                             UserDialogs& dialogs,
                                             SaveLocation& location);

}  // namespace pelorine
